// The device fixture with the test's device made current for the player code, and small helpers
// to make textures of known texels and read texels back.
#pragma once

#include <functional>
#include <vector>

#include "tests/support/device_fixture.h"

namespace scene_testing {

constexpr D3DCOLOR Red = D3DCOLOR_XRGB(0xFF, 0, 0);
constexpr D3DCOLOR Green = D3DCOLOR_XRGB(0, 0xFF, 0);
constexpr D3DCOLOR Blue = D3DCOLOR_XRGB(0, 0, 0xFF);
constexpr D3DCOLOR White = D3DCOLOR_XRGB(0xFF, 0xFF, 0xFF);
constexpr D3DCOLOR Black = D3DCOLOR_XRGB(0, 0, 0);

class SceneDeviceTest : public testing_support::DeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A managed A8R8G8B8 texture whose texel (x, y) is texel(x, y).
  IDirect3DTexture9* MakeTexture(UINT width, UINT height,
                                 const std::function<D3DCOLOR(UINT, UINT)>& texel);
  // The same, released when the test ends.
  IDirect3DTexture9* KeptTexture(UINT width, UINT height,
                                 const std::function<D3DCOLOR(UINT, UINT)>& texel);
  // Texel (x, y) of level 0, for managed textures and render targets alike.
  D3DCOLOR ReadTexel(IDirect3DTexture9* texture, UINT x, UINT y);
  // The presentation parameters the device was made with.
  D3DPRESENT_PARAMETERS PresentParameters();
  // Resets the device with its own presentation parameters.
  HRESULT ResetDevice();
  // States for drawing vertex colours blended by their alpha, with no texture.
  void UseBlendedVertexColours();

private:
  std::vector<IDirect3DTexture9*> keptTextures_;
};

// The reference count of a COM object, left unchanged.
ULONG RefCount(IUnknown* object);

}  // namespace scene_testing
