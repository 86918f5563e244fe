// The framework's own failure codes and their message texts in the string table.
#pragma once

#include <windows.h>

constexpr HRESULT D3DAPPERR_NODIRECT3D = static_cast<HRESULT>(0x82000001);
constexpr HRESULT D3DAPPERR_NOCOMPATIBLEDEVICES = static_cast<HRESULT>(0x82000003);
constexpr HRESULT D3DAPPERR_NOHARDWAREDEVICE = static_cast<HRESULT>(0x82000005);
constexpr HRESULT D3DAPPERR_HALNOTCOMPATIBLE = static_cast<HRESULT>(0x82000006);
constexpr HRESULT D3DAPPERR_NOSCREENSAVERINIT = static_cast<HRESULT>(0x82000007);
constexpr HRESULT D3DAPPERR_NOWINDOWEDHAL = static_cast<HRESULT>(0x82000009);
constexpr HRESULT D3DAPPERR_MEDIANOTFOUND = static_cast<HRESULT>(0x8200000B);
constexpr HRESULT D3DAPPERR_RESETFAILED = static_cast<HRESULT>(0x8200000C);
constexpr HRESULT D3DAPPERR_INITDEVICEOBJECTSFAILED = static_cast<HRESULT>(0x8200000D);
constexpr HRESULT D3DAPPERR_CREATEDEVICEFAILED = static_cast<HRESULT>(0x8200000E);
constexpr HRESULT D3DAPPERR_NOPREVIEW = static_cast<HRESULT>(0x8200000F);

constexpr UINT IDS_SAVER_TITLE = 1000;
constexpr UINT IDS_ERR_GENERIC = 2100;

// The string id of a code's message text; codes without a text of their own get 2100.
UINT ErrorStringId(HRESULT code);
