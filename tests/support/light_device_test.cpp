#include "tests/support/light_device_test.h"

#include "items/kq_abobj.h"

namespace scene_testing {

void LightDeviceTest::TearDown() {
  light_.reset();
  DocumentDeviceTest::TearDown();
}

void LightDeviceTest::StartSlide(KQ_2D_Light& light, int position) {
  light.InitDeviceObjects();
  light.Resize(1, 1);
  light.SetPicturePosition(position);
  light.Resize(static_cast<int>(Width), static_cast<int>(Height));
  light.camera.RestartDrift();
  light.RestoreDeviceObjects();
}

void LightDeviceTest::StartSlide(std::unique_ptr<KQ_2D_Light> light, int position) {
  light_ = std::move(light);
  StartSlide(*light_, position);
}

void LightDeviceTest::DrawFrame(KQ_2D_Light& light, float t) {
  light.FrameMove(t);
  device->BeginScene();
  if (light.NeedsSceneCapture()) light.BeginSceneCapture();
  light.RenderBackground();
  DrawItems(light, {}, 0);
  light.RenderEffect();
  device->EndScene();
}

int CountPixels(const std::vector<D3DCOLOR>& pixels, UINT width, UINT left, UINT top, UINT right,
                UINT bottom, const std::function<bool(D3DCOLOR)>& match) {
  int count = 0;
  for (UINT y = top; y < bottom; ++y)
    for (UINT x = left; x < right; ++x) count += match(pixels[y * width + x]) ? 1 : 0;
  return count;
}

}  // namespace scene_testing
