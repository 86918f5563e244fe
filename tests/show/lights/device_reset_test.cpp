// Each of these lights puts the document's shared effects back after a device reset, although
// none of them runs the plain light's restore: a show made of them alone would otherwise leave
// every effect lost for good.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "show/lights/fake_lake_2d.h"
#include "show/lights/kq_flame_light.h"
#include "show/lights/kq_water_ring_light.h"
#include "tests/support/light_device_test.h"
#include "tests/support/fake_device_objects.h"

namespace {

class DeviceResetTest : public scene_testing::LightDeviceTest {};

TEST_F(DeviceResetTest, EveryLightPutsTheSharedEffectsBack) {
  struct Case {
    const char* light;
    std::function<std::unique_ptr<KQ_2D_Light>()> make;
  } cases[] = {
      {"flame", [] { return std::make_unique<KQ_FlameLight>(); }},
      {"lake", [] { return std::make_unique<FakeLake2D>(); }},
      {"water rings", [] { return std::make_unique<KQ_WaterRingLight>(); }},
  };
  std::vector<std::string> log;
  manager->GetResourceCache().effects[{L"items.fxo", 1}].Adopt(
      new doc_res_testing::FakeEffect("item effect", log));
  IDirect3DTexture9* picture = MakeTexture(64, 48, [](UINT, UINT) { return scene_testing::Blue; });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.light);
    const std::unique_ptr<KQ_2D_Light> light = c.make();
    GivePicture(light->pictureLink.Key(), picture, 64, 48);
    StartSlide(*light);
    log.clear();
    light->InvalidateDeviceObjects();
    ASSERT_EQ(D3D_OK, ResetDevice());
    light->RestoreDeviceObjects();
    EXPECT_EQ((std::vector<std::string>{"lost item effect", "reset item effect"}), log);
    DrawFrame(*light, 0.1f);
  }
  ReleaseAndNull(&picture);
}

}  // namespace
