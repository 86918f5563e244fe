// The display-settings dialog on stand-in machines: with several adapters a tab per monitor,
// each page showing its own monitor; OK keeps the edits in memory and Cancel puts back every
// monitor's choices. The dialog runs modally on the test's thread and is worked from another.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <cwchar>
#include <thread>

#include "app/dialog_ids.h"
#include "app/display_settings_dialog.h"
#include "tests/app/configured_saver.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/registry_sandbox.h"

namespace {

const wchar_t* const SandboxPath = L"Software\\Vantorel\\Brindlewick Tests\\Display dialog\\";

const std::vector<D3DDISPLAYMODE> Modes = {{640, 480, 60, D3DFMT_X8R8G8B8},
                                           {800, 600, 60, D3DFMT_X8R8G8B8},
                                           {1024, 768, 60, D3DFMT_X8R8G8B8}};

// Runs the dialog here while `work` drives it from a thread of its own; `work` ends it.
void RunDisplaySettings(CMoireScreensaver& saver, const std::function<void(HWND)>& work) {
  std::thread driver([&] {
    HWND dialog = WaitForDialog(GetCurrentProcessId(), L"Display Settings");
    EXPECT_NE(nullptr, dialog);
    if (!dialog) return;
    work(dialog);
    if (IsWindow(dialog)) PressLater(dialog, IDCANCEL);
  });
  ShowDisplaySettings(saver, nullptr);
  driver.join();
}

void SelectTab(HWND dialog, int index) {
  HWND tabs = GetDlgItem(dialog, IDC_MONITOR_TABS);
  SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  NMHDR change = {tabs, IDC_MONITOR_TABS, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(dialog, WM_NOTIFY, IDC_MONITOR_TABS, reinterpret_cast<LPARAM>(&change));
}

std::wstring TabLabel(HWND dialog, int index) {
  wchar_t text[64] = {};
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendDlgItemMessageW(dialog, IDC_MONITOR_TABS, TCM_GETITEMW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring SaverString(UINT id) {
  wchar_t text[400] = {};
  LoadStringW(GetModuleHandleW(nullptr), id, text, 400);
  return text;
}

// Two monitors with adapters (the second without a usable device) and a third without one.
StandInMachine ThreeMonitors() {
  StandInAdapter first, second;
  first.monitor = 0;
  first.modes = Modes;
  second.monitor = 1;
  second.modes = Modes;
  second.withoutBumpMapping = true;
  second.withoutSoftwareDevice = true;
  return StandInMachine({{0, 0, 640, 480}, {640, 0, 1280, 480}, {0, 480, 640, 960}},
                        {first, second});
}

// The edits of the multi-monitor test: a mode on the first monitor, black on the second, the
// reverse-order box; checks each page on the way.
void EditEveryPage(CMoireScreensaver& saver, HWND dialog) {
  EXPECT_EQ(3, SendDlgItemMessageW(dialog, IDC_MONITOR_TABS, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(L"Monitor " + std::to_wstring(i + 1), TabLabel(dialog, i));

  SelectTab(dialog, 0);
  EXPECT_EQ(L"Stand-in display 1", DialogItemText(dialog, IDC_ADAPTER_NAME));
  EXPECT_EQ(SaverString(2210), DialogItemText(dialog, IDC_RENDERING_TEXT));
  const std::vector<std::wstring> entries = {L"Automatic", L"640 by 480, 32 bit color",
                                             L"800 by 600, 32 bit color",
                                             L"1024 by 768, 32 bit color"};
  EXPECT_EQ(entries, ComboEntries(dialog, IDC_MODE_LIST));
  EXPECT_EQ(0, ComboSelection(dialog, IDC_MODE_LIST));
  EXPECT_TRUE(IsControlChecked(dialog, IDC_SHOW_SAVER));
  ChooseComboEntry(dialog, IDC_MODE_LIST, 2);
  EXPECT_EQ(800u, saver.adapters[0]->userWidth);

  SelectTab(dialog, 1);
  EXPECT_EQ(L"Stand-in display 2", DialogItemText(dialog, IDC_ADAPTER_NAME));
  EXPECT_EQ(SaverString(2212), DialogItemText(dialog, IDC_RENDERING_TEXT));
  EXPECT_FALSE(IsControlEnabled(dialog, IDC_DISABLE_HARDWARE));
  EXPECT_FALSE(IsControlEnabled(dialog, IDC_SHOW_SAVER)) << "a monitor that cannot show the saver";
  EXPECT_TRUE(IsControlChecked(dialog, IDC_LEAVE_BLACK));
  EXPECT_FALSE(IsControlEnabled(dialog, IDC_MODE_LIST));

  SelectTab(dialog, 2);
  EXPECT_EQ(L"Stand-in display 3", DialogItemText(dialog, IDC_ADAPTER_NAME));
  EXPECT_EQ(SaverString(2212), DialogItemText(dialog, IDC_RENDERING_TEXT));
  EXPECT_TRUE(ComboEntries(dialog, IDC_MODE_LIST).empty()) << "no adapter, no modes";

  SelectTab(dialog, 0);
  EXPECT_EQ(2, ComboSelection(dialog, IDC_MODE_LIST)) << "the page shows the choice made";
  Click(dialog, IDC_LEAVE_BLACK);
  EXPECT_TRUE(saver.adapters[0]->leaveBlack);
  EXPECT_FALSE(IsControlEnabled(dialog, IDC_MODE_LIST)) << "nothing shown, no mode to choose";
  Click(dialog, IDC_SHOW_SAVER);
  EXPECT_FALSE(saver.adapters[0]->leaveBlack);
  EXPECT_TRUE(IsControlEnabled(dialog, IDC_MODE_LIST));
  Click(dialog, IDC_DISABLE_HARDWARE);
  EXPECT_TRUE(saver.adapters[0]->disableHardware);
  EXPECT_NE(SaverString(2210), DialogItemText(dialog, IDC_RENDERING_TEXT));

  Click(dialog, IDC_REVERSE_ORDER);
  EXPECT_EQ(1u, saver.AllScreensSame);
}

TEST(DisplaySettingsDialog, SeveralAdaptersGetATabPerMonitorAndCancelRestoresThemAll) {
  RegistrySandbox sandbox(SandboxPath);
  StandInMachine machine = ThreeMonitors();
  ConfiguredSaver configured(machine, SandboxPath);
  CMoireScreensaver& saver = configured.saver;
  ASSERT_EQ(2, saver.adapterCount);
  const AdapterInfo before0 = *saver.adapters[0], before1 = *saver.adapters[1];

  RunDisplaySettings(saver, [&](HWND dialog) {
    EditEveryPage(saver, dialog);
    PressLater(dialog, IDCANCEL);
  });
  EXPECT_EQ(0, std::memcmp(&before0, saver.adapters[0], sizeof before0));
  EXPECT_EQ(0, std::memcmp(&before1, saver.adapters[1], sizeof before1));
  EXPECT_EQ(0u, saver.AllScreensSame);

  RunDisplaySettings(saver, [&](HWND dialog) {
    EditEveryPage(saver, dialog);
    PressLater(dialog, IDOK);
  });
  EXPECT_EQ(800u, saver.adapters[0]->userWidth) << "OK keeps the edits in memory";
  EXPECT_TRUE(saver.adapters[0]->disableHardware);
  EXPECT_EQ(1u, saver.AllScreensSame);
  EXPECT_FALSE(sandbox.Dword(L"Screen 1", L"Width")) << "only the settings dialog stores them";
}

TEST(DisplaySettingsDialog, OneAdapterGetsTheDialogWithoutTabsForTheMonitorItDrives) {
  RegistrySandbox sandbox(SandboxPath);
  StandInAdapter only;
  only.monitor = 1;  // the first display device has no adapter
  only.modes = Modes;
  StandInMachine machine({{0, 0, 640, 480}, {640, 0, 1280, 480}}, {only});
  ConfiguredSaver configured(machine, SandboxPath);
  CMoireScreensaver& saver = configured.saver;
  ASSERT_EQ(1, saver.adapterCount);

  RunDisplaySettings(saver, [&](HWND dialog) {
    EXPECT_EQ(nullptr, GetDlgItem(dialog, IDC_MONITOR_TABS));
    EXPECT_EQ(nullptr, GetDlgItem(dialog, IDC_LEAVE_BLACK));
    EXPECT_EQ(nullptr, GetDlgItem(dialog, IDC_REVERSE_ORDER));
    EXPECT_EQ(L"Stand-in display 2", DialogItemText(dialog, IDC_ADAPTER_NAME));
    EXPECT_EQ(4u, ComboEntries(dialog, IDC_MODE_LIST).size());
    ChooseComboEntry(dialog, IDC_MODE_LIST, 3);
    PressLater(dialog, IDOK);
  });
  EXPECT_EQ(1024u, saver.adapters[0]->userWidth);
  EXPECT_EQ(768u, saver.adapters[0]->userHeight);
}

TEST(DisplaySettingsDialog, HelpExplainsTheMonitorsRendering) {
  RegistrySandbox sandbox(SandboxPath);
  StandInMachine machine = ThreeMonitors();
  ConfiguredSaver configured(machine, SandboxPath);
  RunDisplaySettings(configured.saver, [&](HWND dialog) {
    SelectTab(dialog, 1);
    PressLater(dialog, IDC_MONITOR_HELP);
    HWND help = WaitForDialog(GetCurrentProcessId(), L"Stand-in display 2");
    ASSERT_NE(nullptr, help);
    EXPECT_EQ(SaverString(2203), DialogItemText(help, 0xFFFF))
        << "hardware without the show's features and no software renderer";
    PressLater(help, IDOK);
    EXPECT_TRUE(WaitUntilGone(help));
  });
}

}  // namespace
