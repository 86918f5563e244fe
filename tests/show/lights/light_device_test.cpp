#include "tests/show/lights/light_device_test.h"

#include <d3dx9tex.h>

#include "render/picture_position.h"
#include "render/picture_view.h"

namespace lights_testing {

void LightDeviceTest::SetUp() {
  SceneDeviceTest::SetUp();
  if (HasFailure()) return;
  manager = std::make_unique<KQ_DocResManager>();
  CurrentDocResManager = manager.get();
}

void LightDeviceTest::TearDown() {
  CurrentDocResManager = nullptr;
  manager.reset();
  SceneDeviceTest::TearDown();
}

void LightDeviceTest::GivePicture(const KQ_ImageFileLink& link, IDirect3DTexture9* texture,
                                  UINT width, UINT height) {
  TextureList& list = manager->GetResourceCache().textureLists[link.Key()];
  list.frames.clear();
  list.AppendFrame(TextureEntry(texture, width, height, static_cast<float>(height) / width));
}

void LightDeviceTest::GiveGuidTexture(const GuidKey& key, IDirect3DTexture9* texture) {
  IDirect3DTexture9*& slot = manager->GetResourceCache().guidTextures[key];
  ShareReference(&slot, texture);
}

void LightDeviceTest::StartSlide(KQ_2D_Light& light) {
  light.InitDeviceObjects();
  light.Resize(1, 1);
  light.SetPicturePosition(PositionFit);
  light.Resize(static_cast<int>(Width), static_cast<int>(Height));
  light.camera.RestartDrift();
  light.RestoreDeviceObjects();
}

void LightDeviceTest::DrawFrame(KQ_2D_Light& light, float t) {
  light.FrameMove(t);
  device->BeginScene();
  if (light.NeedsSceneCapture()) light.BeginSceneCapture();
  light.RenderBackground();
  light.RenderEffect();
  device->EndScene();
}

void LightDeviceTest::SaveBackBuffer(const wchar_t* path) {
  IDirect3DSurface9* backBuffer = nullptr;
  device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
  D3DXSaveSurfaceToFileW(path, D3DXIFF_PNG, backBuffer, nullptr, nullptr);
  ReleaseAndNull(&backBuffer);
}

}  // namespace lights_testing
