#include "tests/support/scene_device_test.h"

#include "render/com_references.h"
#include "render/current_device.h"
#include "render/picture_layout.h"

namespace scene_testing {

void SceneDeviceTest::SetUp() {
  DeviceTest::SetUp();
  CurrentDevice = device;
}

void SceneDeviceTest::TearDown() {
  // The current view's bars hold references on this device; a later test's device may come to
  // the same address.
  CurrentPictureView().ReleaseDeviceObjects(device);
  for (IDirect3DTexture9*& texture : keptTextures_) ReleaseAndNull(&texture);
  keptTextures_.clear();
  CurrentDevice = nullptr;
  DeviceTest::TearDown();
}

IDirect3DTexture9* SceneDeviceTest::MakeTexture(UINT width, UINT height,
                                                const std::function<D3DCOLOR(UINT, UINT)>& texel) {
  return testing_support::MakeManagedTexture(device, width, height, texel);
}

IDirect3DTexture9* SceneDeviceTest::KeptTexture(UINT width, UINT height,
                                                const std::function<D3DCOLOR(UINT, UINT)>& texel) {
  IDirect3DTexture9* texture = MakeTexture(width, height, texel);
  if (texture) keptTextures_.push_back(texture);
  return texture;
}

D3DCOLOR SceneDeviceTest::ReadTexel(IDirect3DTexture9* texture, UINT x, UINT y) {
  D3DSURFACE_DESC desc;
  texture->GetLevelDesc(0, &desc);
  IDirect3DSurface9* level = nullptr;
  IDirect3DSurface9* copy = nullptr;
  texture->GetSurfaceLevel(0, &level);
  IDirect3DSurface9* readable = level;
  if (desc.Pool == D3DPOOL_DEFAULT) {
    device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM,
                                        &copy, nullptr);
    device->GetRenderTargetData(level, copy);
    readable = copy;
  }
  D3DCOLOR result = 0;
  D3DLOCKED_RECT locked;
  if (SUCCEEDED(readable->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
    result = reinterpret_cast<const D3DCOLOR*>(static_cast<const BYTE*>(locked.pBits) +
                                               y * locked.Pitch)[x];
    readable->UnlockRect();
  }
  if (copy) copy->Release();
  level->Release();
  return result;
}

D3DPRESENT_PARAMETERS SceneDeviceTest::PresentParameters() {
  IDirect3DSwapChain9* swapChain = nullptr;
  D3DPRESENT_PARAMETERS parameters = {};
  device->GetSwapChain(0, &swapChain);
  swapChain->GetPresentParameters(&parameters);
  swapChain->Release();
  return parameters;
}

HRESULT SceneDeviceTest::ResetDevice() {
  D3DPRESENT_PARAMETERS parameters = PresentParameters();
  return device->Reset(&parameters);
}

void SceneDeviceTest::UseBlendedVertexColours() {
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetTexture(0, nullptr);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
}

ULONG RefCount(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

}  // namespace scene_testing
