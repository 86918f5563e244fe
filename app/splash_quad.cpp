#include "app/splash_quad.h"

#include <d3dx9.h>

#include <algorithm>

#include "scene/com_references.h"

namespace {

constexpr DWORD SplashVertexFormat = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

}  // namespace

bool SplashQuad::LoadCenteredPicture(IDirect3DDevice9* device, int id, UINT width, UINT height) {
  Release();
  HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"DDS");
  HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes ||
      FAILED(D3DXCreateTextureFromFileInMemoryEx(
          device, bytes, SizeofResource(nullptr, resource), D3DX_DEFAULT, D3DX_DEFAULT, 1, 0,
          D3DFMT_UNKNOWN, D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, 0, nullptr, nullptr,
          &texture_))) {
    return false;
  }
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float side = h * 2 / 3, left = (w - side) / 2, top = (h - side) / 2;
  const Vertex corners[4] = {
      {left, top + side, 0, 1, 0xFFFFFFFF, 0, 1},
      {left, top, 0, 1, 0xFFFFFFFF, 0, 0},
      {left + side, top + side, 0, 1, 0xFFFFFFFF, 1, 1},
      {left + side, top, 0, 1, 0xFFFFFFFF, 1, 0},
  };
  std::copy(corners, corners + 4, vertices_);
  return true;
}

void SplashQuad::Draw(IDirect3DDevice9* device) const {
  if (!texture_) return;
  device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  device->SetTexture(0, texture_);
  device->SetVertexShader(nullptr);
  device->SetFVF(SplashVertexFormat);
  device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, vertices_, sizeof(Vertex));
  device->SetTexture(0, nullptr);
}

void SplashQuad::Release() { ReleaseAndNull(&texture_); }
