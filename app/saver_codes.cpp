#include "app/saver_codes.h"

#include <d3d9.h>

#include "show/document_load_failure.h"

namespace {

struct CodeText {
  HRESULT code;
  UINT stringId;
};

// Searched in this order.
const CodeText CodeTexts[] = {
    {E_FAIL, 2100},
    {saver_error::NoDirect3D, 2101},
    {saver_error::NotInitialised, 2102},
    {saver_error::CreateDeviceFailed, 2103},
    {saver_error::NoCompatibleDevices, 2104},
    {saver_error::NoHardwareDevice, 2105},
    {saver_error::HardwareLacksFeatures, 2106},
    {saver_error::HardwareLacksFeaturesOnDesktop, 2107},
    {DocumentLoadFailure, 2108},
    {saver_error::ResetFailed, 2109},
    {E_OUTOFMEMORY, 2110},
    {D3DERR_OUTOFVIDEOMEMORY, 2111},
    {saver_error::NoPreview, 2112},
};

}  // namespace

UINT ErrorStringId(HRESULT code) {
  for (const CodeText& entry : CodeTexts) {
    if (entry.code == code) return entry.stringId;
  }
  return GenericErrorStringId;
}
