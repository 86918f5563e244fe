// Each of these lights puts the document's shared effects back after a device reset, although
// none of them runs the plain light's restore: a show made of them alone would otherwise leave
// every effect lost for good. The lights that read the captured scene still show the picture in
// a frame drawn after the reset's release and before the slide's restore.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "show/lights/fake_lake_2d.h"
#include "show/lights/fake_undervater.h"
#include "show/lights/kq_flame_light.h"
#include "show/lights/kq_glass_ball_light.h"
#include "show/lights/kq_water_ring_light.h"
#include "tests/support/light_device_test.h"
#include "tests/support/fake_device_objects.h"

namespace {

using LightMaker = std::function<std::unique_ptr<KQ_2D_Light>()>;
struct LightCase {
  const char* light;
  LightMaker make;
};

class DeviceResetTest : public scene_testing::LightDeviceTest {
protected:
  void SetUp() override {
    LightDeviceTest::SetUp();
    if (HasFailure()) return;
    picture_ = MakeTexture(64, 48, [](UINT, UINT) { return scene_testing::Blue; });
  }
  void TearDown() override {
    ReleaseAndNull(&picture_);
    LightDeviceTest::TearDown();
  }

  // The case's light, started over a blue 64 x 48 picture.
  std::unique_ptr<KQ_2D_Light> StartOverPicture(const LightCase& c) {
    std::unique_ptr<KQ_2D_Light> light = c.make();
    GivePicture(light->pictureLink.Key(), picture_, 64, 48);
    StartSlide(*light);
    return light;
  }

  IDirect3DTexture9* picture_ = nullptr;
};

TEST_F(DeviceResetTest, EveryLightPutsTheSharedEffectsBack) {
  const LightCase cases[] = {
      {"flame", [] { return std::make_unique<KQ_FlameLight>(); }},
      {"lake", [] { return std::make_unique<FakeLake2D>(); }},
      {"water rings", [] { return std::make_unique<KQ_WaterRingLight>(); }},
  };
  std::vector<std::string> log;
  manager->GetResourceCache().effects[{L"items.fxo", 1}].Adopt(
      new doc_res_testing::FakeEffect("item effect", log));
  for (const LightCase& c : cases) {
    SCOPED_TRACE(c.light);
    const std::unique_ptr<KQ_2D_Light> light = StartOverPicture(c);
    log.clear();
    light->InvalidateDeviceObjects();
    ASSERT_EQ(D3D_OK, ResetDevice());
    light->RestoreDeviceObjects();
    EXPECT_EQ((std::vector<std::string>{"lost item effect", "reset item effect"}), log);
    DrawFrame(*light, 0.1f);
  }
}

// Between the release and the restore the capture pair is gone: the slide begins no capture,
// the picture goes straight to the back buffer, and the light must neither cover it with black
// nor read the released textures.
TEST_F(DeviceResetTest, WithoutTheCapturePairTheCapturingLightsStillShowThePicture) {
  const LightCase cases[] = {
      {"flame haze", []() -> std::unique_ptr<KQ_2D_Light> {
         auto flame = std::make_unique<KQ_FlameLight>();
         flame->fireOn = 0;
         flame->distortionOn = 1;
         return flame;
       }},
      {"water rings over the scene", []() -> std::unique_ptr<KQ_2D_Light> {
         auto water = std::make_unique<KQ_WaterRingLight>();
         water->mode = 1;
         return water;
       }},
      {"glass ball", []() -> std::unique_ptr<KQ_2D_Light> {
         auto ball = std::make_unique<KQ_GlassBallLight>();
         ball->overlayAOn = 0;
         ball->overlayBOn = 0;
         ball->standOn = 0;
         ball->motionMode = 0;
         return ball;
       }},
      {"underwater", [] { return std::make_unique<FakeUndervater>(); }},
  };
  for (const LightCase& c : cases) {
    SCOPED_TRACE(c.light);
    const std::unique_ptr<KQ_2D_Light> light = StartOverPicture(c);
    ASSERT_TRUE(light->NeedsSceneCapture());
    light->InvalidateDeviceObjects();
    Clear(scene_testing::Red);
    DrawFrame(*light, 0.1f);
    EXPECT_FALSE(light->IsCapturing());
    EXPECT_COLOR_NEAR(ReadPixel(Width / 2, Height / 2), scene_testing::Blue, 40);
  }
}

}  // namespace
