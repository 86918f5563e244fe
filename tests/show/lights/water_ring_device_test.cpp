// The water-ring light on the device: flat water shows the picture, a drop's ring lights up with
// the specular highlight and spreads frame by frame, and in mode 1 the water is drawn from the
// captured scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "show/lights/kq_water_ring_light.h"
#include "tests/support/light_device_test.h"

namespace {

using namespace scene_testing;

constexpr D3DCOLOR Grey = D3DCOLOR_XRGB(0x80, 0x80, 0x80);
// Flat water seen off its middle catches a faint highlight.
constexpr int CalmTolerance = 32;

class WaterRingDeviceTest : public scene_testing::LightDeviceTest {
protected:
  void SetUp() override {
    LightDeviceTest::SetUp();
    if (HasFailure()) return;
    // A uniform picture: refraction cannot change its colour, so only highlights stand out.
    picture_ = MakeTexture(Width, Height, [](UINT, UINT) { return Grey; });
    GivePicture(water.pictureLink.Key(), picture_, Width, Height);
    water.dropStrength = 100;
    water.dropRate.Set(0);   // only the drop made at the start
  }
  void TearDown() override {
    ReleaseAndNull(&picture_);
    LightDeviceTest::TearDown();
  }

  static int Brightness(D3DCOLOR c) { return (c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF); }

  // The farthest pixel of the back buffer's middle row and column from (cx, cy) that the water
  // lights up above the grey picture.
  int LitRadius(int cx, int cy) {
    const std::vector<D3DCOLOR> frame = ReadBackBuffer();
    if (frame.size() != Width * Height) {
      ADD_FAILURE() << "the frame could not be read back";
      return 0;
    }
    const auto lit = [&](int x, int y) { return Brightness(frame[y * Width + x]) > 3 * 0x80 + 60; };
    int radius = 0;
    for (int x = 0; x < static_cast<int>(Width); x += 2) {
      if (lit(x, cy)) radius = std::max(radius, std::abs(x - cx));
    }
    for (int y = 0; y < static_cast<int>(Height); y += 2) {
      if (lit(cx, y)) radius = std::max(radius, std::abs(y - cy));
    }
    return radius;
  }

  // Where the start's random drop falls on the screen, from the same draws the surface makes.
  POINT DropPixel(unsigned seed) {
    srand(seed);
    const RippleGridSize grid = water.Surface().Grid();
    const int column = rand() % (grid.columns - 2) + 1;
    const int row = rand() % (grid.rows - 2) + 1;
    srand(seed);
    return {column * static_cast<int>(Width - 1) / static_cast<int>(grid.columns - 1),
            row * static_cast<int>(Height - 1) / static_cast<int>(grid.rows - 1)};
  }

  KQ_WaterRingLight water;
  IDirect3DTexture9* picture_ = nullptr;
};

TEST_F(WaterRingDeviceTest, ARingSpreadsFromTheDropAndTheRestStaysThePicture) {
  StartSlide(water);
  ASSERT_TRUE(water.Surface().HasBuffers());
  // Restart with a known drop: the restore draws the column first, then the row.
  const POINT drop = DropPixel(2024);
  water.RestoreDeviceObjects();
  float t = 0;
  DrawFrame(water, t += 0.03f);
  const int early = LitRadius(drop.x, drop.y);
  EXPECT_GT(early, 0) << "the drop lights up at once";
  for (int i = 0; i < 12; ++i) water.FrameMove(t += 0.03f);
  DrawFrame(water, t += 0.03f);
  const int later = LitRadius(drop.x, drop.y);
  EXPECT_GT(later, early + 8) << "the ring moves outward";
  // Far from the drop the water is still calm and shows the grey picture.
  const POINT calmPixel = {drop.x < 128 ? 250 : 5, drop.y < 128 ? 250 : 5};
  EXPECT_COLOR_NEAR(ReadPixel(calmPixel.x, calmPixel.y), Grey, CalmTolerance);
}

TEST_F(WaterRingDeviceTest, InMode1TheWaterIsDrawnFromTheCapturedScene) {
  water.mode = 1;
  ASSERT_TRUE(water.NeedsSceneCapture());
  StartSlide(water);
  Clear(Blue);
  water.FrameMove(0.03f);
  device->BeginScene();
  water.BeginSceneCapture();
  water.RenderBackground();
  // What an item would draw over the picture: the left half red, in the capture.
  const D3DRECT leftHalf = {0, 0, static_cast<LONG>(Width / 2), static_cast<LONG>(Height)};
  device->Clear(1, &leftHalf, D3DCLEAR_TARGET, Red, 1.0f, 0);
  water.RenderEffect();
  device->EndScene();
  EXPECT_FALSE(water.IsCapturing()) << "the light ends the capture it asked for";
  // The water shows the captured scene, items and all, on the cleared target.
  const D3DCOLOR left = ReadPixel(32, 128);
  EXPECT_GT(left >> 16 & 0xFF, 0xC0u) << testing_support::DescribeColor(left);
  EXPECT_LT(left & 0xFF, 0x40u) << testing_support::DescribeColor(left);
  EXPECT_COLOR_NEAR(ReadPixel(224, 128), Grey, CalmTolerance);
}

TEST_F(WaterRingDeviceTest, AfterAResetTheWaterComesBackWithTheSlide) {
  StartSlide(water);
  water.InvalidateDeviceObjects();
  EXPECT_FALSE(water.Surface().HasBuffers());
  // A frame between the reset and the restore draws nothing and breaks nothing.
  DrawFrame(water, 0.03f);
  ASSERT_EQ(D3D_OK, ResetDevice());
  water.RestoreDeviceObjects();
  EXPECT_TRUE(water.Surface().HasBuffers());
  DrawFrame(water, 0.06f);
  EXPECT_COLOR_NEAR(ReadPixel(5, 5), Grey, CalmTolerance);
}

}  // namespace
