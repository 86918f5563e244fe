// The flame light on the device with the content pack: the fire burns over the lower part of the
// picture, the heat haze moves the captured scene about as its clock runs, only a haze setting of
// 1 captures the scene, and a missing bump image leaves the setting as it was stored.
#include <gtest/gtest.h>

#include <cstdlib>

#include "show/lights/kq_flame_light.h"
#include "tests/support/light_device_test.h"

namespace {

using namespace scene_testing;

class FlameDeviceTest : public scene_testing::LightDeviceTest {
protected:
  void SetUp() override {
    LightDeviceTest::SetUp();
    if (HasFailure()) return;
    // Vertical stripes 8 pixels wide: any sideways push shows.
    stripes_ = MakeTexture(Width, Height, [](UINT x, UINT) { return (x / 8) % 2 ? White : Blue; });
    black_ = MakeTexture(Width, Height, [](UINT, UINT) { return Black; });
  }
  void TearDown() override {
    ReleaseAndNull(&stripes_);
    ReleaseAndNull(&black_);
    LightDeviceTest::TearDown();
  }

  // The back buffer at a 16 x 16 grid of probes.
  std::vector<D3DCOLOR> Probes() { return ReadProbeGrid(16, 3, 8); }

  static int Differences(const std::vector<D3DCOLOR>& a, const std::vector<D3DCOLOR>& b) {
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i) count += !testing_support::ColorNear(a[i], b[i], 40);
    return count;
  }

  bool DrawingOnTheBackBuffer() {
    IDirect3DSurface9* target = nullptr;
    IDirect3DSurface9* backBuffer = nullptr;
    device->GetRenderTarget(0, &target);
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    const bool same = target == backBuffer;
    ReleaseAndNull(&target);
    ReleaseAndNull(&backBuffer);
    return same;
  }

  KQ_FlameLight flame;
  IDirect3DTexture9* stripes_ = nullptr;
  IDirect3DTexture9* black_ = nullptr;
};

TEST_F(FlameDeviceTest, TheHazeMovesTheCapturedSceneAsItsClockRuns) {
  GivePicture(flame.pictureLink.Key(), stripes_, Width, Height);
  flame.fireOn = 0;
  flame.distortion.strength.Set(500);  // pushes of up to 0.05 of the picture: 12 pixels
  StartSlide(flame);
  ASSERT_TRUE(flame.distortion.Loaded()) << "the pack's effect 63";
  ASSERT_TRUE(flame.NeedsSceneCapture());
  DrawFrame(flame, 0.2f);
  EXPECT_FALSE(flame.IsCapturing());
  EXPECT_TRUE(DrawingOnTheBackBuffer());
  const std::vector<D3DCOLOR> early = Probes();
  float t = 0.2f;
  while (t < 10) flame.FrameMove(t += 0.2f);  // the clock runs 0.05 per second: 0.5 on
  DrawFrame(flame, t += 0.2f);
  const std::vector<D3DCOLOR> later = Probes();
  EXPECT_GT(Differences(early, later), 40) << "of 256 probes";
  // The scene is still there, pushed about, nowhere blacked out.
  int black = 0;
  for (D3DCOLOR c : later) black += testing_support::ColorNear(c, Black, 40);
  EXPECT_EQ(0, black);
}

TEST_F(FlameDeviceTest, WithoutTheHazeNothingIsCapturedAndThePictureStaysPut) {
  GivePicture(flame.pictureLink.Key(), stripes_, Width, Height);
  flame.fireOn = 0;
  flame.distortionOn = 0;
  StartSlide(flame);
  ASSERT_FALSE(flame.NeedsSceneCapture());
  DrawFrame(flame, 0.2f);
  for (UINT x : {3u, 11u, 100u, 250u}) {
    EXPECT_COLOR_NEAR(ReadPixel(x, 128), (x / 8) % 2 ? White : Blue, 8) << x;
  }
}

// Other non-zero values begin no capture, so the light must end none: the frame lands on the back
// buffer and shows the picture as with the haze off.
TEST_F(FlameDeviceTest, OnlyAHazeSettingOfOneCapturesAndDistortsTheScene) {
  GivePicture(flame.pictureLink.Key(), stripes_, Width, Height);
  flame.fireOn = 0;
  flame.distortion.strength.Set(500);
  flame.distortionOn = 0;
  StartSlide(flame);
  DrawFrame(flame, 0.2f);
  const std::vector<D3DCOLOR> plain = Probes();
  const struct {
    int stored;
    bool distorted;
  } cases[] = {{1, true}, {2, false}, {-1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    flame.distortionOn = c.stored;
    StartSlide(flame);
    EXPECT_EQ(c.distorted, flame.NeedsSceneCapture());
    DrawFrame(flame, 0.2f);
    EXPECT_FALSE(flame.IsCapturing());
    EXPECT_TRUE(DrawingOnTheBackBuffer());
    const int moved = Differences(plain, Probes());
    if (c.distorted) {
      EXPECT_GT(moved, 40) << "of 256 probes";
    } else {
      EXPECT_EQ(0, moved);
    }
  }
}

TEST_F(FlameDeviceTest, TheFireBurnsOverTheLowerPartOfThePicture) {
  GivePicture(flame.pictureLink.Key(), black_, Width, Height);
  flame.distortionOn = 0;
  StartSlide(flame);
  ASSERT_NE(nullptr, flame.fire.Effect()) << "the pack's fire effect 92";
  float t = 0;
  for (int i = 0; i < 10; ++i) flame.FrameMove(t += 0.1f);
  DrawFrame(flame, t += 0.1f);
  int litBelow = 0, litAbove = 0;
  const std::vector<D3DCOLOR> frame = ReadBackBuffer();
  ASSERT_EQ(Width * Height, frame.size());
  for (UINT y = 0; y < Height; y += 4) {
    for (UINT x = 0; x < Width; x += 4) {
      const bool lit = !testing_support::ColorNear(frame[y * Width + x], Black, 24);
      // The fire's quad starts at 35 % of the picture height.
      if (y < Height * 30 / 100) litAbove += lit;
      if (y > Height * 60 / 100) litBelow += lit;
    }
  }
  EXPECT_EQ(0, litAbove);
  EXPECT_GT(litBelow, 100);
}

// The stored setting stays as it was read, so a later Write keeps it; the scene is captured and
// drawn back whole, every lookup pushed alike by the default strength, under a pixel.
TEST_F(FlameDeviceTest, WithoutItsBumpImageTheHazeStaysOnAndDrawsTheSceneBack) {
  GivePicture(flame.pictureLink.Key(), stripes_, Width, Height);
  flame.fireOn = 0;
  flame.distortion.bumpLink.Store({L"tessaly.dll", 9999});  // no such image: an empty list
  StartSlide(flame);
  EXPECT_EQ(1, flame.distortionOn.Get());
  ASSERT_TRUE(flame.NeedsSceneCapture());
  DrawFrame(flame, 0.2f);
  EXPECT_FALSE(flame.IsCapturing());
  EXPECT_TRUE(DrawingOnTheBackBuffer());
  EXPECT_COLOR_NEAR(ReadPixel(3, 128), Blue, 8);
  EXPECT_COLOR_NEAR(ReadPixel(11, 128), White, 8);
}

}  // namespace
