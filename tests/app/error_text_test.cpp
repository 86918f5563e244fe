// Failure codes map to the message texts of the saver's string table.
#include <gtest/gtest.h>

#include <string>

#include "app/saver_codes.h"
#include "tests/app/saver_paths.h"

namespace {

struct CodeTextCase {
  HRESULT code;
  UINT stringId;
  const wchar_t* text;
};

const CodeTextCase Cases[] = {
    {E_FAIL, 2100, L"There was an unspecified problem with this screen saver."},
    {static_cast<HRESULT>(0x82000001), 2101,
     L"Direct3D 8.0 could not be initialized.  Please install the latest version of DirectX."},
    {static_cast<HRESULT>(0x82000007), 2102, L"Could not initialize the screen saver."},
    {static_cast<HRESULT>(0x8200000E), 2103, L"Could not create the Direct3D device."},
    {static_cast<HRESULT>(0x82000003), 2104, L"Could not find any compatible Direct3D devices."},
    {static_cast<HRESULT>(0x82000005), 2105, L"No hardware-accelerated Direct3D devices were found."},
    {static_cast<HRESULT>(0x82000006), 2106,
     L"This screen saver requires functionality that is not available on your Direct3D hardware "
     L"accelerator."},
    {static_cast<HRESULT>(0x82000009), 2107,
     L"This screen saver requires functionality that is not available on your Direct3D hardware "
     L"accelerator with the current desktop display settings."},
    {static_cast<HRESULT>(0x8200000B), 2108, L"Could not load required media."},
    {static_cast<HRESULT>(0x8200000C), 2109, L"Could not reset the Direct3D device."},
    {E_OUTOFMEMORY, 2110, L"Not enough memory."},
    {static_cast<HRESULT>(0x8876017C), 2111, L"Not enough video memory."},
    {static_cast<HRESULT>(0x8200000F), 2112, L"No preview available"},
    // Codes without a text of their own show the generic one.
    {static_cast<HRESULT>(0x8200000D), 2100, L"There was an unspecified problem with this screen saver."},
    {S_OK, 2100, L"There was an unspecified problem with this screen saver."},
    {E_INVALIDARG, 2100, L"There was an unspecified problem with this screen saver."},
};

TEST(ErrorText, EveryCodeShowsItsTextFromTheSaversStringTable) {
  HMODULE saver = LoadLibraryExW(SaverWindowsPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, saver) << "the saver program must be built before this test";
  for (const CodeTextCase& c : Cases) {
    const UINT id = ErrorStringId(c.code);
    EXPECT_EQ(c.stringId, id) << std::hex << "code 0x" << c.code;
    wchar_t text[512] = {};
    LoadStringW(saver, id, text, 512);
    EXPECT_EQ(std::wstring(c.text), text) << "string " << id;
  }
  wchar_t title[200] = {};
  LoadStringW(saver, 1000, title, 200);
  EXPECT_EQ(std::wstring(L"Brindlewick"), title);
  FreeLibrary(saver);
}

}  // namespace
