#include "show/lights/glass_ball_textures.h"

#include <d3dx9tex.h>

#include <cmath>

#include "render/com_references.h"
#include "render/current_device.h"

namespace {

// Height of the hemisphere over texel (i, j); 0 outside its circle.
float HemisphereHeight(int i, int j) {
  const int d2 = (i - 128) * (i - 128) + (j - 128) * (j - 128);
  return d2 <= 16384 ? std::sqrt(static_cast<float>(16384 - d2)) : 0.0f;
}

int16_t Slope(float here, float next) {
  return static_cast<int16_t>(std::atan(here - next) * 16297.4658203125f);
}

template <class Texel>
Texel* Row(BYTE* bits, INT pitch, UINT y) {
  return reinterpret_cast<Texel*>(bits + static_cast<ptrdiff_t>(y) * pitch);
}

uint8_t ByteOf(uint32_t value, int index) { return (value >> (8 * index)) & 0xFF; }

// The blend of one channel at t, truncated as the texel takes it.
uint32_t Blend(float t, uint8_t from, uint8_t to) {
  return static_cast<uint32_t>(t * static_cast<float>(to - from) + static_cast<float>(from));
}

// Level 0 of a new managed texture, filled by `fill` through its pitch.
template <class Fill>
HRESULT FillLevelZero(IDirect3DTexture9* texture, Fill fill) {
  D3DLOCKED_RECT locked;
  HRESULT hr = texture->LockRect(0, &locked, nullptr, 0);
  if (FAILED(hr)) return hr;
  fill(static_cast<BYTE*>(locked.pBits), locked.Pitch);
  return texture->UnlockRect(0);
}

template <class Fill>
HRESULT BuildSingleLevel(IDirect3DTexture9** texture, UINT size, D3DFORMAT format, Fill fill) {
  ReleaseAndNull(texture);
  if (!CurrentDevice ||
      FAILED(CurrentDevice->CreateTexture(size, size, 1, 0, format, D3DPOOL_MANAGED, texture,
                                          nullptr))) {
    *texture = nullptr;
    return E_FAIL;
  }
  HRESULT hr = FillLevelZero(*texture, fill);
  if (FAILED(hr)) ReleaseAndNull(texture);
  return hr;
}

}  // namespace

void FillBumpTexels(BYTE* bits, INT pitch) {
  for (UINT y = 0; y < BumpTextureSize; ++y) {
    int16_t* row = Row<int16_t>(bits, pitch, y);
    for (UINT x = 0; x < BumpTextureSize; ++x) {
      const int i = static_cast<int>(x), j = static_cast<int>(y);
      const float here = HemisphereHeight(i, j);
      const bool lastColumn = x == BumpTextureSize - 1;
      const float right = lastColumn ? here : HemisphereHeight(i + 1, j);
      const float below = lastColumn ? here : HemisphereHeight(i, j + 1);
      row[2 * x] = Slope(here, right);
      row[2 * x + 1] = Slope(here, below);
    }
  }
}

void FillMaskTexels(BYTE* bits, INT pitch) {
  for (UINT i = 0; i < MaskTextureSize; ++i) {
    BYTE* row = Row<BYTE>(bits, pitch, i);
    for (UINT j = 0; j < MaskTextureSize; ++j) {
      const int di = static_cast<int>(i) - 512, dj = static_cast<int>(j) - 512;
      row[j] = di * di + dj * dj <= 258064 ? 0 : 255;
    }
  }
}

void FillGradientTexels(BYTE* bits, INT pitch, uint32_t top, uint32_t bottom) {
  for (UINT i = 0; i < GradientTextureSize; ++i) {
    const float t = static_cast<float>(i) / 255.0f;
    const uint32_t red = Blend(t, ByteOf(top, 0), ByteOf(bottom, 0));
    const uint32_t green = Blend(t, ByteOf(top, 1), ByteOf(bottom, 1));
    const uint32_t blue = Blend(t, ByteOf(top, 2), ByteOf(bottom, 2));
    const uint32_t texel = (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
    uint32_t* row = Row<uint32_t>(bits, pitch, i);
    for (UINT j = 0; j < GradientTextureSize; ++j) row[j] = texel;
  }
}

HRESULT BuildBumpTexture(IDirect3DTexture9** texture) {
  return BuildSingleLevel(texture, BumpTextureSize, D3DFMT_V16U16, FillBumpTexels);
}

HRESULT BuildMaskTexture(IDirect3DTexture9** texture) {
  return BuildSingleLevel(texture, MaskTextureSize, D3DFMT_A8, FillMaskTexels);
}

HRESULT BuildGradientTexture(IDirect3DTexture9** texture, uint32_t top, uint32_t bottom) {
  ReleaseAndNull(texture);
  if (!CurrentDevice) return E_FAIL;
  HRESULT hr = D3DXCreateTexture(CurrentDevice, GradientTextureSize, GradientTextureSize, 0, 0,
                                 D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, texture);
  if (FAILED(hr)) {
    *texture = nullptr;
    return hr;
  }
  hr = FillLevelZero(*texture, [&](BYTE* bits, INT pitch) {
    FillGradientTexels(bits, pitch, top, bottom);
  });
  if (SUCCEEDED(hr)) hr = D3DXFilterTexture(*texture, nullptr, 0, D3DX_FILTER_BOX);
  if (FAILED(hr)) ReleaseAndNull(texture);
  return hr;
}
