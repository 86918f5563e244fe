// The lake on the device: the band above the horizon shows upside down below it, the bump map
// pushes the reflection one way and, half a turn of its matrix later, the other, and writing the
// light hands its bump texture to the document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "show/lights/fake_lake_2d.h"
#include "tests/support/light_device_test.h"
#include "tests/support/section_bytes.h"

namespace {

using namespace scene_testing;

class FakeLakeDeviceTest : public scene_testing::LightDeviceTest {
protected:
  void SetUp() override {
    LightDeviceTest::SetUp();
    if (HasFailure()) return;
    // Blue above row 112; below it red on the left half and green on the right.
    picture_ = MakeTexture(Width, Height, [](UINT x, UINT y) {
      return y < 112 ? Blue : x < Width / 2 ? Red : Green;
    });
    GivePicture(lake.pictureLink.Key(), picture_, Width, Height);
  }
  void TearDown() override {
    ReleaseAndNull(&picture_);
    ReleaseAndNull(&bump_);
    LightDeviceTest::TearDown();
  }

  // The lake's bump texture: every texel pushes by (du, dv) / 127.
  void UseBump(int8_t du, int8_t dv) {
    ASSERT_EQ(D3D_OK, device->CreateTexture(4, 4, 1, 0, D3DFMT_V8U8, D3DPOOL_MANAGED, &bump_,
                                            nullptr));
    D3DLOCKED_RECT locked;
    bump_->LockRect(0, &locked, nullptr, 0);
    for (int y = 0; y < 4; ++y) {
      int8_t* row = static_cast<int8_t*>(locked.pBits) + y * locked.Pitch;
      for (int x = 0; x < 4; ++x) {
        row[2 * x] = du;
        row[2 * x + 1] = dv;
      }
    }
    bump_->UnlockRect(0);
    GiveGuidTexture(lake.bumpKey, bump_);
  }

  // Red or green by the stronger channel: which half of the picture a probe reflects.
  static bool IsRed(D3DCOLOR c) { return (c >> 16 & 0xFF) > (c >> 8 & 0xFF) + 60; }
  static bool IsGreen(D3DCOLOR c) { return (c >> 8 & 0xFF) > (c >> 16 & 0xFF) + 60; }

  FakeLake2D lake;
  IDirect3DTexture9* picture_ = nullptr;
  IDirect3DTexture9* bump_ = nullptr;
};

TEST_F(FakeLakeDeviceTest, TheBandAboveTheHorizonShowsUpsideDownBelowIt) {
  UseBump(0, 0);
  StartSlide(lake);
  ASSERT_NE(nullptr, lake.ReflectionTexture());
  DrawFrame(lake, 0);
  // With the default share the horizon is at 160 and the lake mirrors rows 64 to 160.
  const D3DCOLOR above = ReadPixel(64, 100);
  const D3DCOLOR justAbove = ReadPixel(64, 140);    // the picture itself, even in the first frame
  const D3DCOLOR nearHorizon = ReadPixel(64, 180);  // row 140: red
  const D3DCOLOR nearFoot = ReadPixel(64, 240);     // row 80: blue, where the picture is red
  EXPECT_COLOR_NEAR(above, Blue, 8);
  EXPECT_COLOR_NEAR(justAbove, Red, 8);
  EXPECT_TRUE(IsRed(nearHorizon)) << testing_support::DescribeColor(nearHorizon);
  EXPECT_LT(nearFoot >> 16 & 0xFF, 16u) << testing_support::DescribeColor(nearFoot);
  EXPECT_GT(nearFoot & 0xFF, 160u) << testing_support::DescribeColor(nearFoot);
  // The water colour (0x008040 as RGB) lies over the lake: some green in the blue.
  EXPECT_GT(nearFoot >> 8 & 0xFF, 12u) << testing_support::DescribeColor(nearFoot);
}

TEST_F(FakeLakeDeviceTest, TheBumpMatrixPushesTheReflectionAndTurns) {
  UseBump(127, 0);
  StartSlide(lake);
  // At clock 0 the matrix is 0.04 x identity: lookups move 0.04 (10 pixels) to the right, so a
  // probe just left of the red-green edge reflects green.
  DrawFrame(lake, 0);
  const D3DCOLOR pushedRight = ReadPixel(122, 180);
  EXPECT_TRUE(IsGreen(pushedRight)) << testing_support::DescribeColor(pushedRight);
  // Half a turn later (4.5 radians per clock second) the push points left.
  const float halfTurn = 3.14159265f / 4.5f;
  for (float t = 0.1f; t < halfTurn; t += 0.1f) lake.FrameMove(t);
  DrawFrame(lake, halfTurn);
  EXPECT_NEAR(-0.04f, lake.CurrentBumpMatrix().m00, 1e-4);
  const D3DCOLOR pushedLeft = ReadPixel(134, 180);
  EXPECT_TRUE(IsRed(pushedLeft)) << testing_support::DescribeColor(pushedLeft);
  EXPECT_TRUE(IsRed(ReadPixel(122, 180)));
}

TEST_F(FakeLakeDeviceTest, WithoutAPictureOrABumpTextureTheLakeDrawsNothingBroken) {
  const FileLinkKey missing{L"nowhere.png", 0};
  lake.pictureLink.Store(missing);
  StartSlide(lake);
  EXPECT_EQ(nullptr, lake.BumpTexture());
  EXPECT_EQ(nullptr, lake.ReflectionTexture());
  Clear(White);
  DrawFrame(lake, 0);
  EXPECT_COLOR_NEAR(ReadPixel(64, 240), Black, 4);
}

// Under a key the document does not hold yet (a light given a new key after it was made).
TEST_F(FakeLakeDeviceTest, WriteHandsTheBumpTextureToTheDocumentUnderItsKey) {
  UseBump(0, 0);
  StartSlide(lake);
  ASSERT_EQ(bump_, lake.BumpTexture());
  CoCreateGuid(&lake.bumpKey.id);
  auto& stored = manager->GetResourceCache().guidTextures;
  ASSERT_EQ(0u, stored.count(lake.bumpKey));
  testing_support::Written([&](KQ_IOF_Virtual& out) { lake.Write(out); });
  ASSERT_EQ(1u, stored.count(lake.bumpKey));
  EXPECT_EQ(bump_, stored[lake.bumpKey]);
  bump_->AddRef();
  EXPECT_EQ(4u, bump_->Release()) << "the test's, the first key's, the light's and the new key's";
}

// Writing a light whose device objects are not made yet must not wipe the document's texture.
TEST_F(FakeLakeDeviceTest, WriteWithoutABumpTextureLeavesTheDocumentsOneInPlace) {
  UseBump(0, 0);
  ASSERT_EQ(nullptr, lake.BumpTexture());
  testing_support::Written([&](KQ_IOF_Virtual& out) { lake.Write(out); });
  EXPECT_EQ(bump_, manager->GetResourceCache().guidTextures[lake.bumpKey]);
}

TEST_F(FakeLakeDeviceTest, TheReflectionSizeStaysWithinWhatTheDeviceHolds) {
  D3DCAPS9 caps;
  device->GetDeviceCaps(&caps);
  const UINT largest = std::min<UINT>(4096, caps.MaxTextureWidth);
  struct Case {
    int stored;
    UINT side;
  } cases[] = {{1, 256}, {0, 128}, {-3, 128}, {40, largest}, {5, largest}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    lake.reflectionSize = c.stored;
    StartSlide(lake);
    ASSERT_NE(nullptr, lake.ReflectionTexture());
    D3DSURFACE_DESC desc;
    lake.ReflectionTexture()->GetLevelDesc(0, &desc);
    EXPECT_EQ(c.side, desc.Width);
    EXPECT_EQ(desc.Width, desc.Height);
  }
}

}  // namespace
