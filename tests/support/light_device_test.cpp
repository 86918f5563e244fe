#include "tests/support/light_device_test.h"

#include <d3dx9tex.h>

#include "items/kq_abobj.h"
#include "render/com_references.h"

namespace scene_testing {

void LightDeviceTest::SetUp() {
  SceneDeviceTest::SetUp();
  if (HasFailure()) return;
  manager = std::make_unique<KQ_DocResManager>();
  CurrentDocResManager = manager.get();
}

void LightDeviceTest::TearDown() {
  light_.reset();
  CurrentDocResManager = nullptr;
  manager.reset();
  SceneDeviceTest::TearDown();
}

void LightDeviceTest::GivePicture(const FileLinkKey& link, IDirect3DTexture9* texture,
                                  UINT width, UINT height) {
  TextureList& list = manager->GetResourceCache().textureLists[link];
  list.frames.clear();
  list.AppendFrame(TextureEntry(texture, width, height,
                                static_cast<float>(height) / static_cast<float>(width)));
}

void LightDeviceTest::ProvidePicture(const FileLinkKey& link, UINT width, UINT height,
                                     const std::function<D3DCOLOR(UINT, UINT)>& texel) {
  IDirect3DTexture9* picture = MakeTexture(width, height, texel);
  GivePicture(link, picture, width, height);
  ReleaseAndNull(&picture);
}

void LightDeviceTest::GiveGuidTexture(const GuidKey& key, IDirect3DTexture9* texture) {
  IDirect3DTexture9*& slot = manager->GetResourceCache().guidTextures[key];
  ShareReference(&slot, texture);
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

std::vector<D3DCOLOR> LightDeviceTest::ReadBackBuffer() {
  std::vector<D3DCOLOR> pixels(Width * Height, 0);
  IDirect3DSurface9* target = nullptr;
  IDirect3DSurface9* copy = nullptr;
  device->GetRenderTarget(0, &target);
  device->CreateOffscreenPlainSurface(Width, Height, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &copy,
                                      nullptr);
  D3DLOCKED_RECT locked;
  if (target && copy && SUCCEEDED(device->GetRenderTargetData(target, copy)) &&
      SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
    for (UINT y = 0; y < Height; ++y) {
      const D3DCOLOR* row = reinterpret_cast<const D3DCOLOR*>(
          static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
      for (UINT x = 0; x < Width; ++x) pixels[y * Width + x] = row[x] & 0x00FFFFFF;
    }
    copy->UnlockRect();
  }
  ReleaseAndNull(&copy);
  ReleaseAndNull(&target);
  return pixels;
}

void LightDeviceTest::SaveBackBuffer(const wchar_t* name) {
  IDirect3DSurface9* target = nullptr;
  device->GetRenderTarget(0, &target);
  if (target) D3DXSaveSurfaceToFileW(name, D3DXIFF_PNG, target, nullptr, nullptr);
  ReleaseAndNull(&target);
}

int CountPixels(const std::vector<D3DCOLOR>& pixels, UINT width, UINT left, UINT top, UINT right,
                UINT bottom, const std::function<bool(D3DCOLOR)>& match) {
  int count = 0;
  for (UINT y = top; y < bottom; ++y)
    for (UINT x = left; x < right; ++x) count += match(pixels[y * width + x]) ? 1 : 0;
  return count;
}

}  // namespace scene_testing
