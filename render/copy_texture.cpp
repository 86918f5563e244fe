#include "render/copy_texture.h"

#include <d3dx9tex.h>

#include "render/com_references.h"
#include "render/current_device.h"

HRESULT CopyLevelZero(IDirect3DTexture9* source, IDirect3DTexture9* target) {
  IDirect3DSurface9* from = nullptr;
  IDirect3DSurface9* to = nullptr;
  HRESULT hr = source->GetSurfaceLevel(0, &from);
  if (SUCCEEDED(hr)) hr = target->GetSurfaceLevel(0, &to);
  if (SUCCEEDED(hr)) {
    hr = D3DXLoadSurfaceFromSurface(to, nullptr, nullptr, from, nullptr, nullptr,
                                    D3DX_FILTER_TRIANGLE, 0);
  }
  ReleaseAndNull(&to);
  ReleaseAndNull(&from);
  return hr;
}

IDirect3DTexture9* CopyTexture(IDirect3DTexture9* source, UINT width, UINT height,
                               D3DFORMAT format) {
  if (!source) return nullptr;
  IDirect3DTexture9* copy = nullptr;
  if (FAILED(D3DXCreateTexture(CurrentDevice, width, height, 0, 0, format, D3DPOOL_MANAGED,
                               &copy))) {
    return nullptr;
  }
  // A texture whose contents could not be filled is not a copy.
  if (FAILED(CopyLevelZero(source, copy))) ReleaseAndNull(&copy);
  return copy;
}
