// The framework's "required media could not be loaded" code, thrown as an HRESULT when the show's
// document cannot be read; the application shows its message text for it.
#pragma once

#include <windows.h>

constexpr HRESULT DocumentLoadFailure = static_cast<HRESULT>(0x8200000B);
