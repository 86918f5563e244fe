#include "render/clear_bound_surfaces.h"

#include "render/com_references.h"
#include "render/current_device.h"

HRESULT ClearBoundSurfaces(DWORD flags, D3DCOLOR color, float z, DWORD stencil) {
  IDirect3DSurface9* depth = nullptr;
  CurrentDevice->GetDepthStencilSurface(&depth);
  if (!depth) flags &= ~static_cast<DWORD>(D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL);
  ReleaseAndNull(&depth);
  if (!flags) return D3D_OK;
  return CurrentDevice->Clear(0, nullptr, flags, color, z, stencil);
}
