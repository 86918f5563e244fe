// The configuration mode on a machine where start-up failed: instead of the settings dialog,
// Run shows the failure's text in a message box with the saver's title and the error icon,
// owned by no window, and returns once the box is closed. The box runs modally on the test's
// thread and is read and closed from another.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "tests/app/configured_saver.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/registry_sandbox.h"
#include "tools/saver_process/saver_process.h"

namespace {

const wchar_t* const SandboxPath = L"Software\\Vantorel\\Brindlewick Tests\\Configuration error\\";

// What a dialog of the saver's thread showed while it was up.
struct ShownDialog {
  HWND window = nullptr;
  std::wstring caption;
  HWND owner = nullptr;
  std::vector<std::wstring> texts;    // of its static controls, icons left out
  std::vector<std::wstring> buttons;  // visible ones
  bool errorIcon = false;
};

BOOL CALLBACK FirstDialogOfThread(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

BOOL CALLBACK ReadControl(HWND control, LPARAM into) {
  auto& shown = *reinterpret_cast<ShownDialog*>(into);
  wchar_t className[16] = {};
  GetClassNameW(control, className, 16);
  if (_wcsicmp(className, L"Static") == 0) {
    if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      const auto icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
      shown.errorIcon |= icon && icon == LoadIconW(nullptr, IDI_ERROR);
    } else {
      shown.texts.push_back(WindowText(control));
    }
  } else if (_wcsicmp(className, L"Button") == 0 && IsWindowVisible(control)) {
    shown.buttons.push_back(WindowText(control));
  }
  return TRUE;
}

// Waits for the first dialog `thread` shows, reads it and closes it; nothing when none comes.
ShownDialog ReadAndClose(DWORD thread) {
  ShownDialog shown;
  WaitUntil([&] {
    EnumThreadWindows(thread, FirstDialogOfThread, reinterpret_cast<LPARAM>(&shown.window));
    return shown.window != nullptr;
  }, 10000);
  if (!shown.window) return shown;
  shown.caption = WindowText(shown.window);
  shown.owner = GetWindow(shown.window, GW_OWNER);
  EnumChildWindows(shown.window, ReadControl, reinterpret_cast<LPARAM>(&shown));
  // Ends a message box as its OK button does, and a settings dialog without storing anything.
  PressLater(shown.window, shown.buttons.size() == 1 ? IDOK : IDCANCEL);
  return shown;
}

// Adapters of monitor 0 that the show cannot use.
StandInAdapter WithoutBumpMapping() {
  StandInAdapter adapter;
  adapter.monitor = 0;
  adapter.withoutBumpMapping = true;
  return adapter;
}

StandInAdapter WithoutAnyDevice() {
  StandInAdapter adapter;
  adapter.monitor = 0;
  adapter.withoutHardwareDevice = adapter.withoutSoftwareDevice = true;
  return adapter;
}

TEST(ConfigurationMode, AFailedStartUpShowsItsTextInAMessageBoxInsteadOfTheSettings) {
  struct Case {
    const char* name;
    bool withoutDirect3D;
    std::vector<StandInAdapter> adapters;
    const wchar_t* text;
  };
  const Case cases[] = {
      {"Direct3D cannot start", true, {StandInAdapter{}},
       L"Direct3D 8.0 could not be initialized.  Please install the latest version of DirectX."},
      {"the only adapter lacks bump-environment mapping", false, {WithoutBumpMapping()},
       L"Could not find any compatible Direct3D devices."},
      {"the only adapter offers neither a hardware nor a software device", false,
       {WithoutAnyDevice()}, L"Could not find any compatible Direct3D devices."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegistrySandbox settings(SandboxPath);  // what a settings dialog shown by mistake stores
    StandInMachine machine({{0, 0, 1024, 768}}, c.adapters);
    machine.withoutDirect3D = c.withoutDirect3D;
    ConfiguredSaver configured(machine, SandboxPath);
    CMoireScreensaver& saver = configured.saver;
    ASSERT_TRUE(saver.errorMode);

    const DWORD saverThread = GetCurrentThreadId();
    ShownDialog shown;
    std::thread reader([&] { shown = ReadAndClose(saverThread); });
    EXPECT_EQ(0, saver.Run());
    reader.join();

    ASSERT_NE(nullptr, shown.window) << "Run showed no dialog";
    EXPECT_EQ(L"Brindlewick", shown.caption) << "the saver's title";
    EXPECT_EQ(std::vector<std::wstring>{c.text}, shown.texts) << "the failure's text alone";
    EXPECT_EQ(std::vector<std::wstring>{L"OK"}, shown.buttons);
    EXPECT_TRUE(shown.errorIcon);
    EXPECT_EQ(nullptr, shown.owner) << "the configuration mode has no saver window";
    EXPECT_FALSE(IsWindow(shown.window)) << "Run returns only once the box is closed";
    EXPECT_EQ(0u, machine.Direct3DReferencesHeldBySaver());
  }
}

}  // namespace
