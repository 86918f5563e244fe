#include "tests/show/lights/light_device_fixture.h"

#include <d3dx9tex.h>

#include "render/com_references.h"

namespace scene_testing {

void LightDeviceTest::SetUp() {
  SceneDeviceTest::SetUp();
  manager = std::make_unique<KQ_DocResManager>();
  CurrentDocResManager = manager.get();
}

void LightDeviceTest::TearDown() {
  slide_.reset();
  manager.reset();
  CurrentDocResManager = nullptr;
  SceneDeviceTest::TearDown();
}

void LightDeviceTest::ProvidePicture(const FileLinkKey& link, UINT width, UINT height,
                                     const std::function<D3DCOLOR(UINT, UINT)>& texel) {
  IDirect3DTexture9* picture = MakeTexture(width, height, texel);
  TextureList& list = manager->GetResourceCache().textureLists[link];
  list.frames.clear();
  list.AppendFrame(TextureEntry(picture, width, height,
                                static_cast<float>(height) / static_cast<float>(width)));
  ReleaseAndNull(&picture);
}

void LightDeviceTest::StartSlide(std::unique_ptr<KQ_2D_Light> light, int position) {
  slide_ = std::make_unique<KQ_SlideContainer>();
  slide_->SetLight(std::move(light));
  slide_->InitSlide();
  slide_->SetPicturePosition(position);
  slide_->Resize(Width, Height);
  Light().camera.RestartDrift();
  slide_->Restart();
}

void LightDeviceTest::RenderFrame(float t) {
  slide_->FrameMove(t);
  device->BeginScene();
  slide_->RenderSlide();
  slide_->RenderEffect();
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
      const D3DCOLOR* row =
          reinterpret_cast<const D3DCOLOR*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
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
