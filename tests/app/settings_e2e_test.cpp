// The configuration mode end to end: the saver is started with /c (or no switch, or /c with
// an owner window) as the display-properties dialog starts it; the test works its dialogs by
// their control ids and reads what was stored under the saver's settings key.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/dialog_ids.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/registry_sandbox.h"
#include "tests/app/saver_paths.h"
#include "tools/saver_process/saver_process.h"

namespace {

constexpr DWORD ExitTimeoutMs = 5000;
const wchar_t* const Title = L"Brindlewick";

std::wstring Number(HWND window) {
  return std::to_wstring(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
}

std::wstring SaverString(UINT id) {
  HMODULE module = LoadLibraryExW(SaverWindowsPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t text[400] = {};
  if (module) LoadStringW(module, id, text, 400);
  if (module) FreeLibrary(module);
  return text;
}

// The window the display-properties dialog would be: the settings dialog's owner.
class OwnerWindow {
public:
  OwnerWindow() {
    window = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~OwnerWindow() { DestroyWindow(window); }
  HWND window;
};

// The saver in configuration mode, with its settings dialog on screen.
class Configuration {
public:
  explicit Configuration(const std::wstring& arguments = L"/c")
      : saver(SaverWindowsPath(), arguments), dialog(WaitForDialog(saver.Id(), Title)) {}

  // Opens a dialog from a button of the settings dialog.
  HWND Open(int button, const std::wstring& caption) {
    PressLater(dialog, button);
    return WaitForDialog(saver.Id(), caption);
  }
  // Ends a dialog with OK or Cancel and waits until it is gone.
  static bool End(HWND window, int button) {
    PressLater(window, button);
    return WaitUntilGone(window);
  }
  // Ends the settings dialog, and with it the saver.
  bool Finish(int button) {
    PressLater(dialog, button);
    return saver.WaitForExit(ExitTimeoutMs) && saver.ExitCode() == 0;
  }

  SaverProcess saver;
  HWND dialog;
};

TEST(SettingsDialog, OpensForEveryConfigurationSwitchAndWritesTheDisplaySettings) {
  OwnerWindow owner;
  struct Case {
    std::wstring arguments;
    HWND owner;
  };
  const Case cases[] = {
      {L"/c", nullptr},
      {L"", nullptr},
      {L"/c:" + Number(owner.window), owner.window},
      {L"/C " + Number(owner.window), owner.window},
      {L"/c:123456", nullptr},  // a number that names no window: the dialog still shows
  };
  for (const Case& c : cases) {
    RegistrySandbox settings(ProductSettingsKey);
    Configuration configuration(c.arguments);
    HWND dialog = configuration.dialog;
    ASSERT_NE(nullptr, dialog) << testing::PrintToString(c.arguments);
    EXPECT_EQ(c.owner, GetWindow(dialog, GW_OWNER)) << testing::PrintToString(c.arguments);
    const std::vector<std::wstring> positions = {L"Stretch", L"Fit", L"Fill"};
    EXPECT_EQ(positions, ComboEntries(dialog, IDC_PICTURE_POSITION));
    EXPECT_EQ(2, ComboSelection(dialog, IDC_PICTURE_POSITION)) << "nothing stored: Fill";
    // Opening the dialog stores the display settings as they are.
    EXPECT_EQ(0u, settings.Dword(L"Screen 1", L"Width"));
    EXPECT_EQ(0u, settings.Dword(L"Screen 1", L"Leave Black"));
    EXPECT_EQ(16u,
              settings.Binary(L"Screen 1", L"Adapter ID").value_or(std::vector<BYTE>()).size());
    EXPECT_EQ(0u, settings.Dword(L"", L"AllScreensSame"));
    EXPECT_TRUE(configuration.Finish(IDCANCEL));
    EXPECT_FALSE(settings.Dword(L"", L"\"PicPos\""));
  }
}

TEST(SettingsDialog, OkStoresThePicturePositionThatTheNextRunShows) {
  RegistrySandbox settings(ProductSettingsKey);
  for (int position : {0, 1, 2}) {
    Configuration configuration;
    ASSERT_NE(nullptr, configuration.dialog);
    ChooseComboEntry(configuration.dialog, IDC_PICTURE_POSITION, position);
    EXPECT_TRUE(configuration.Finish(IDOK));
    EXPECT_EQ(static_cast<DWORD>(position), settings.Dword(L"", L"\"PicPos\""));

    Configuration again;
    ASSERT_NE(nullptr, again.dialog);
    EXPECT_EQ(position, ComboSelection(again.dialog, IDC_PICTURE_POSITION));
    EXPECT_TRUE(again.Finish(IDCANCEL));
  }
}

TEST(SettingsDialog, AStoredPositionOutOfRangeShowsFillAndIsMended) {
  RegistrySandbox settings(ProductSettingsKey);
  settings.SetDword(L"", L"\"PicPos\"", 0xFFFFFFFF);
  Configuration configuration;
  ASSERT_NE(nullptr, configuration.dialog);
  EXPECT_EQ(2, ComboSelection(configuration.dialog, IDC_PICTURE_POSITION));
  EXPECT_TRUE(configuration.Finish(IDOK));
  EXPECT_EQ(2u, settings.Dword(L"", L"\"PicPos\""));
}

TEST(SoundDialog, ShowsTheStoredValuesOkStoresNewOnesAndCancelNothing) {
  RegistrySandbox settings(ProductSettingsKey);
  Configuration configuration;
  ASSERT_NE(nullptr, configuration.dialog);
  // Each round opens the dialog, moves the slider, flips Mute and ends with OK or Cancel.
  struct Round {
    const char* what;
    int shownPosition;  // 0 is the top of the bar: full volume
    bool shownMute;
    int newPosition, endWith;
    DWORD storedVolume, storedMute;
  };
  const Round rounds[] = {
      {"nothing stored yet; to the bottom, muted", 0, false, 100, IDOK, 0, 1},
      {"Cancel stores nothing", 100, true, 30, IDCANCEL, 0, 1},
      {"OK stores 100 - the position", 100, true, 30, IDOK, 70, 0},
  };
  for (const Round& r : rounds) {
    HWND sound = configuration.Open(IDC_SOUND_SETTINGS, L"Sound Settings");
    ASSERT_NE(nullptr, sound) << r.what;
    EXPECT_EQ(0, SendDlgItemMessageW(sound, IDC_VOLUME, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(100, SendDlgItemMessageW(sound, IDC_VOLUME, TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(r.shownPosition, SendDlgItemMessageW(sound, IDC_VOLUME, TBM_GETPOS, 0, 0)) << r.what;
    EXPECT_EQ(r.shownMute, IsControlChecked(sound, IDC_MUTE)) << r.what;
    SendDlgItemMessageW(sound, IDC_VOLUME, TBM_SETPOS, TRUE, r.newPosition);
    Click(sound, IDC_MUTE);
    ASSERT_TRUE(Configuration::End(sound, r.endWith)) << r.what;
    EXPECT_EQ(r.storedVolume, settings.Dword(L"", L"\"SoundVolume\"")) << r.what;
    EXPECT_EQ(r.storedMute, settings.Dword(L"", L"\"MuteSound\"")) << r.what;
  }
  EXPECT_FALSE(settings.Dword(L"", L"\"SoundBalance\"")) << "the dialog has no balance control";
  EXPECT_TRUE(configuration.Finish(IDOK));
}

TEST(DisplaySettings, ChosenModeAndHardwareSwitchAreStoredWithTheSettingsDialogsOk) {
  RegistrySandbox settings(ProductSettingsKey);
  Configuration configuration;
  ASSERT_NE(nullptr, configuration.dialog);
  HWND display = configuration.Open(IDC_DISPLAY_SETTINGS, L"Display Settings");
  ASSERT_NE(nullptr, display);
  EXPECT_EQ(nullptr, GetDlgItem(display, IDC_MONITOR_TABS)) << "one adapter: no tabs";
  const std::wstring adapterName = DialogItemText(display, IDC_ADAPTER_NAME);
  EXPECT_FALSE(adapterName.empty());
  EXPECT_EQ(SaverString(2210), DialogItemText(display, IDC_RENDERING_TEXT));
  EXPECT_TRUE(IsControlEnabled(display, IDC_DISABLE_HARDWARE));
  EXPECT_FALSE(IsControlChecked(display, IDC_DISABLE_HARDWARE));

  PressLater(display, IDC_MONITOR_HELP);
  HWND help = WaitForDialog(configuration.saver.Id(), adapterName);
  ASSERT_NE(nullptr, help);
  EXPECT_EQ(SaverString(2200), DialogItemText(help, 0xFFFF));
  ASSERT_TRUE(Configuration::End(help, IDOK));

  const std::vector<std::wstring> modes = ComboEntries(display, IDC_MODE_LIST);
  ASSERT_FALSE(modes.empty());
  EXPECT_EQ(L"Automatic", modes[0]);
  EXPECT_EQ(0, ComboSelection(display, IDC_MODE_LIST));
  const auto mode = std::find(modes.begin(), modes.end(), L"1024 by 768, 32 bit color");
  ASSERT_NE(modes.end(), mode);
  ChooseComboEntry(display, IDC_MODE_LIST, static_cast<int>(mode - modes.begin()));
  Click(display, IDC_DISABLE_HARDWARE);
  EXPECT_NE(SaverString(2210), DialogItemText(display, IDC_RENDERING_TEXT));
  ASSERT_TRUE(Configuration::End(display, IDOK));
  EXPECT_EQ(0u, settings.Dword(L"Screen 1", L"Width")) << "stored only with the settings dialog";

  EXPECT_TRUE(configuration.Finish(IDOK));
  EXPECT_EQ(1024u, settings.Dword(L"Screen 1", L"Width"));
  EXPECT_EQ(768u, settings.Dword(L"Screen 1", L"Height"));
  EXPECT_EQ(22u, settings.Dword(L"Screen 1", L"Format"));
  EXPECT_EQ(1u, settings.Dword(L"Screen 1", L"Disable Hardware"));

  Configuration again;
  ASSERT_NE(nullptr, again.dialog);
  display = again.Open(IDC_DISPLAY_SETTINGS, L"Display Settings");
  ASSERT_NE(nullptr, display);
  EXPECT_EQ(static_cast<int>(mode - modes.begin()), ComboSelection(display, IDC_MODE_LIST));
  EXPECT_TRUE(IsControlChecked(display, IDC_DISABLE_HARDWARE));
  ASSERT_TRUE(Configuration::End(display, IDCANCEL));
  EXPECT_TRUE(again.Finish(IDCANCEL));
}

TEST(SettingsDialog, CancelStoresNoneOfTheChangesMadeInAnyDialog) {
  RegistrySandbox settings(ProductSettingsKey);
  settings.SetDword(L"", L"\"PicPos\"", 1);
  settings.SetDword(L"", L"\"SoundVolume\"", 70);
  settings.SetDword(L"", L"\"MuteSound\"", 0);
  {
    Configuration first;  // writes the display settings as they are
    ASSERT_NE(nullptr, first.dialog);
    EXPECT_TRUE(first.Finish(IDCANCEL));
  }
  const std::vector<std::wstring> before = settings.Snapshot();

  Configuration configuration;
  ASSERT_NE(nullptr, configuration.dialog);
  ChooseComboEntry(configuration.dialog, IDC_PICTURE_POSITION, 0);
  HWND sound = configuration.Open(IDC_SOUND_SETTINGS, L"Sound Settings");
  ASSERT_NE(nullptr, sound);
  SendDlgItemMessageW(sound, IDC_VOLUME, TBM_SETPOS, TRUE, 90);
  Click(sound, IDC_MUTE);
  ASSERT_TRUE(Configuration::End(sound, IDCANCEL));
  HWND display = configuration.Open(IDC_DISPLAY_SETTINGS, L"Display Settings");
  ASSERT_NE(nullptr, display);
  ChooseComboEntry(display, IDC_MODE_LIST, 1);
  Click(display, IDC_DISABLE_HARDWARE);
  ASSERT_TRUE(Configuration::End(display, IDOK));
  EXPECT_TRUE(configuration.Finish(IDCANCEL));

  EXPECT_EQ(before, settings.Snapshot());
}

// Points the http browser command at the test's recorder for the test's lifetime. The value
// is stored as `type`, with or without its terminating null.
class RecordingBrowser {
public:
  RecordingBrowser(DWORD type, const std::wstring& command, bool terminated) {
    RegCreateKeyExW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    DWORD size = sizeof saved_;
    hadValue_ = RegQueryValueExW(key_, nullptr, nullptr, &savedType_,
                                 reinterpret_cast<BYTE*>(saved_), &size) == ERROR_SUCCESS;
    savedSize_ = size;
    const size_t characters = command.size() + (terminated ? 1 : 0);
    RegSetValueExW(key_, nullptr, 0, type, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(characters * sizeof(wchar_t)));
  }
  ~RecordingBrowser() {
    if (hadValue_) {
      RegSetValueExW(key_, nullptr, 0, savedType_, reinterpret_cast<const BYTE*>(saved_),
                     savedSize_);
    } else {
      RegDeleteValueW(key_, nullptr);
    }
    RegCloseKey(key_);
  }

private:
  HKEY key_ = nullptr;
  wchar_t saved_[1024] = {};
  DWORD savedType_ = REG_SZ, savedSize_ = 0;
  bool hadValue_ = false;
};

std::wstring ReadUtf16(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), {});
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

TEST(SettingsDialog, WebsiteOpensTheMakersPageInTheRegisteredBrowser) {
  RegistrySandbox settings(ProductSettingsKey);
  const std::wstring recorder = WindowsPathOf(BRINDLEWICK_URL_RECORDER_PATH);
  const std::wstring page =
      L"http://www.example.com/brindlewick/?utm_source=screensaver&utm_medium=website"
      L"&utm_campaign=customer_content&utm_nooverride=1";
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring log =
      std::wstring(temp) + L"brindlewick-url-" + std::to_wstring(GetCurrentProcessId()) + L".log";
  SetEnvironmentVariableW(L"BRINDLEWICK_URL_LOG", log.c_str());
  SetEnvironmentVariableW(L"BRINDLEWICK_RECORDER", recorder.c_str());
  struct Case {
    const char* what;
    DWORD type;
    std::wstring command;
    bool terminated;
    std::wstring started;
  };
  const Case cases[] = {
      {"a quoted placeholder", REG_SZ, L"\"" + recorder + L"\" \"%1\"", true,
       L"\"" + recorder + L"\" \"" + page + L"\""},
      {"a value without its terminator", REG_SZ, L"\"" + recorder + L"\" \"%1\"", false,
       L"\"" + recorder + L"\" \"" + page + L"\""},
      {"environment strings", REG_EXPAND_SZ, L"\"%BRINDLEWICK_RECORDER%\" \"%1\"", true,
       L"\"" + recorder + L"\" \"" + page + L"\""},
      {"no placeholder", REG_SZ, L"\"" + recorder + L"\"", true, L"\"" + recorder + L"\" " + page},
  };
  for (const Case& c : cases) {
    RecordingBrowser browser(c.type, c.command, c.terminated);
    DeleteFileW(log.c_str());
    Configuration configuration;
    ASSERT_NE(nullptr, configuration.dialog) << c.what;
    PressLater(configuration.dialog, IDC_WEBSITE);
    std::wstring recorded;
    EXPECT_TRUE(WaitUntil([&] { return (recorded = ReadUtf16(log)) == c.started; }, 10000))
        << c.what << ": " << testing::PrintToString(recorded);
    EXPECT_TRUE(IsWindow(configuration.dialog)) << "the dialog stays open";
    EXPECT_TRUE(configuration.Finish(IDCANCEL));
  }
  SetEnvironmentVariableW(L"BRINDLEWICK_URL_LOG", nullptr);
  SetEnvironmentVariableW(L"BRINDLEWICK_RECORDER", nullptr);
  DeleteFileW(log.c_str());
}

}  // namespace
