#include "app/saver_codes.h"

#include <d3d9.h>

namespace {

struct CodeText {
  HRESULT code;
  UINT stringId;
};

// Searched in this order.
const CodeText CodeTexts[] = {
    {E_FAIL, 2100},
    {D3DAPPERR_NODIRECT3D, 2101},
    {D3DAPPERR_NOSCREENSAVERINIT, 2102},
    {D3DAPPERR_CREATEDEVICEFAILED, 2103},
    {D3DAPPERR_NOCOMPATIBLEDEVICES, 2104},
    {D3DAPPERR_NOHARDWAREDEVICE, 2105},
    {D3DAPPERR_HALNOTCOMPATIBLE, 2106},
    {D3DAPPERR_NOWINDOWEDHAL, 2107},
    {D3DAPPERR_MEDIANOTFOUND, 2108},
    {D3DAPPERR_RESETFAILED, 2109},
    {E_OUTOFMEMORY, 2110},
    {D3DERR_OUTOFVIDEOMEMORY, 2111},
    {D3DAPPERR_NOPREVIEW, 2112},
};

}  // namespace

UINT ErrorStringId(HRESULT code) {
  for (const CodeText& entry : CodeTexts) {
    if (entry.code == code) return entry.stringId;
  }
  return IDS_ERR_GENERIC;
}
