// The framework's own failure codes and their message texts in the string table.
#pragma once

#include <windows.h>

namespace saver_error {
constexpr HRESULT NoDirect3D = static_cast<HRESULT>(0x82000001);
constexpr HRESULT NoCompatibleDevices = static_cast<HRESULT>(0x82000003);
constexpr HRESULT NoHardwareDevice = static_cast<HRESULT>(0x82000005);
constexpr HRESULT HardwareLacksFeatures = static_cast<HRESULT>(0x82000006);
constexpr HRESULT NotInitialised = static_cast<HRESULT>(0x82000007);
constexpr HRESULT HardwareLacksFeaturesOnDesktop = static_cast<HRESULT>(0x82000009);
// 0x8200000B is the show's DocumentLoadFailure.
constexpr HRESULT ResetFailed = static_cast<HRESULT>(0x8200000C);
constexpr HRESULT DeviceObjectsFailed = static_cast<HRESULT>(0x8200000D);
constexpr HRESULT CreateDeviceFailed = static_cast<HRESULT>(0x8200000E);
constexpr HRESULT NoPreview = static_cast<HRESULT>(0x8200000F);
}  // namespace saver_error

constexpr UINT TitleStringId = 1000;
constexpr UINT GenericErrorStringId = 2100;

// The string id of a code's message text; codes without a text of their own get 2100.
UINT ErrorStringId(HRESULT code);
