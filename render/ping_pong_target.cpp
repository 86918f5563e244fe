#include "render/ping_pong_target.h"

#include "render/com_references.h"
#include "render/copy_texture.h"
#include "render/current_device.h"

namespace {

void RenderInto(IDirect3DTexture9* texture) {
  IDirect3DSurface9* surface = nullptr;
  if (FAILED(texture->GetSurfaceLevel(0, &surface))) return;
  CurrentDevice->SetRenderTarget(0, surface);
  ReleaseAndNull(&surface);
}

}  // namespace

HRESULT PingPongTarget::Create(int w, int h) {
  width = w;
  height = h;
  ReleaseAndNull(&current);
  ReleaseAndNull(&textures[0]);
  ReleaseAndNull(&textures[1]);
  HRESULT hr = S_OK;
  for (IDirect3DTexture9*& texture : textures) {
    if (SUCCEEDED(hr)) {
      hr = CurrentDevice->CreateTexture(w, h, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8,
                                        D3DPOOL_DEFAULT, &texture, nullptr);
    }
  }
  // Half a pair would hand a null texture to the flip.
  if (FAILED(hr)) {
    ReleaseAndNull(&textures[0]);
    ReleaseAndNull(&textures[1]);
    return hr;
  }
  ShareReference(&current, textures[index]);
  return S_OK;
}

HRESULT PingPongTarget::CreateCopyOf(IDirect3DTexture9* source, int w, int h) {
  HRESULT hr = Create(w, h);
  if (FAILED(hr) || !source) return hr;
  return CopyLevelZero(source, current);
}

void PingPongTarget::Release() {
  End();  // the device would otherwise keep rendering into, and holding, a texture of the pair
  ReleaseAndNull(&current);
  ReleaseAndNull(&textures[0]);
  ReleaseAndNull(&textures[1]);
}

void PingPongTarget::Begin(IDirect3DTexture9* texture) {
  if (!texture) return;
  ReleaseAndNull(&savedTarget);
  ReleaseAndNull(&savedDepth);
  CurrentDevice->GetRenderTarget(0, &savedTarget);
  CurrentDevice->GetDepthStencilSurface(&savedDepth);
  RenderInto(texture);
  CurrentDevice->SetDepthStencilSurface(nullptr);
}

void PingPongTarget::End() {
  if (!savedTarget) return;
  CurrentDevice->SetRenderTarget(0, savedTarget);
  CurrentDevice->SetDepthStencilSurface(savedDepth);
  ReleaseAndNull(&savedTarget);
  ReleaseAndNull(&savedDepth);
}

IDirect3DTexture9* PingPongTarget::Flip() {
  if (!HasTextures()) return nullptr;
  IDirect3DTexture9* previous = textures[index];
  index = (index + 1) % 2;
  ShareReference(&current, textures[index]);
  RenderInto(current);
  CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
  return previous;
}
