#include "app/display_settings_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <vector>

#include "app/dialog_helpers.h"
#include "app/dialog_ids.h"
#include "app/display_settings_page.h"

namespace {

const int ModeControls[] = {IDC_MODE_LIST, IDC_MODE_LABEL, IDC_MODE_GROUP, IDC_MODE_NOTE};
const int UsageControls[] = {IDC_SHOW_SAVER, IDC_LEAVE_BLACK, IDC_USAGE_GROUP};

struct DisplayDialog {
  CD3DScreensaver& saver;
  std::vector<AdapterInfo> savedAdapters;  // as they were when the dialog opened
  DWORD savedAllScreensSame;
  int singleMonitor;  // the monitor the dialog without tabs edits
  HWND tabs = nullptr;

  int CurrentMonitor() const {
    if (!tabs) return singleMonitor;
    const int selected = TabCtrl_GetCurSel(tabs);
    return selected >= 0 && selected < saver.monitorCount ? selected : 0;
  }
  AdapterInfo* CurrentAdapter() const { return AdapterOfMonitor(saver, CurrentMonitor()); }
};

// With one adapter, the monitor it drives (monitor 0 need not be the one attached).
int MonitorOfOnlyAdapter(const CD3DScreensaver& saver) {
  if (saver.adapterCount > 0 && saver.adapters[0]->monitorIndex >= 0) {
    return saver.adapters[0]->monitorIndex;
  }
  return 0;
}

// The mode controls follow the "Display nothing" radio (always on where the dialog has none).
void EnableModeControls(HWND dialog) {
  const bool enabled = !IsChecked(dialog, IDC_LEAVE_BLACK);
  for (int id : ModeControls) EnableControl(dialog, id, enabled);
}

void FillModeList(HWND dialog, const AdapterInfo* adapter) {
  SendDlgItemMessageW(dialog, IDC_MODE_LIST, CB_RESETCONTENT, 0, 0);
  if (!adapter) return;
  auto add = [&](const std::wstring& text, LPARAM data) {
    const LRESULT entry = SendDlgItemMessageW(dialog, IDC_MODE_LIST, CB_ADDSTRING, 0,
                                              reinterpret_cast<LPARAM>(text.c_str()));
    SendDlgItemMessageW(dialog, IDC_MODE_LIST, CB_SETITEMDATA, static_cast<WPARAM>(entry), data);
  };
  add(ControlText(dialog, IDC_AUTOMATIC_TEXT), -1);
  if (adapter->deviceCount > 0) {
    const std::wstring format = ControlText(dialog, IDC_MODE_FORMAT);
    const DeviceInfo& device = adapter->devices[0];
    for (UINT i = 0; i < device.modeCount; ++i) {
      add(ModeEntryText(format, device.modes[i]), static_cast<LPARAM>(i));
    }
  }
  SendDlgItemMessageW(dialog, IDC_MODE_LIST, CB_SETCURSEL,
                      static_cast<WPARAM>(SelectedModeEntry(*adapter)), 0);
}

void FillMonitorPage(const DisplayDialog& state, HWND dialog) {
  const MonitorInfo& monitor = state.saver.monitors[state.CurrentMonitor()];
  const AdapterInfo* adapter = state.CurrentAdapter();
  const MonitorPage page = DescribeMonitorPage(adapter);
  SetDlgItemTextW(dialog, IDC_ADAPTER_NAME, monitor.adapterDescription);
  SetDlgItemTextW(dialog, IDC_RENDERING_TEXT,
                  LoadText(state.saver.instance, page.renderingTextId).c_str());
  EnableControl(dialog, IDC_DISABLE_HARDWARE, page.hardwareSwitchEnabled);
  CheckDlgButton(dialog, IDC_DISABLE_HARDWARE,
                 page.hardwareSwitchChecked ? BST_CHECKED : BST_UNCHECKED);
  for (int id : UsageControls) EnableControl(dialog, id, page.usageEnabled);
  CheckRadioButton(dialog, IDC_SHOW_SAVER, IDC_LEAVE_BLACK,
                   page.leaveBlack ? IDC_LEAVE_BLACK : IDC_SHOW_SAVER);
  EnableModeControls(dialog);
  FillModeList(dialog, adapter);
}

void AddMonitorTabs(const DisplayDialog& state, HWND dialog) {
  const std::wstring format = ControlText(dialog, IDC_TAB_LABEL_FORMAT);
  for (int m = 0; m < state.saver.monitorCount; ++m) {
    wchar_t label[100];
    if (swprintf(label, 100, format.c_str(), m + 1) < 0) label[0] = L'\0';
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = label;
    item.iImage = -1;
    TabCtrl_InsertItem(state.tabs, m, &item);
  }
}

void ChooseMode(HWND dialog, AdapterInfo& adapter) {
  const LRESULT entry = SendDlgItemMessageW(dialog, IDC_MODE_LIST, CB_GETCURSEL, 0, 0);
  if (entry == CB_ERR) return;
  const LRESULT index =
      SendDlgItemMessageW(dialog, IDC_MODE_LIST, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0);
  const DeviceInfo& device = adapter.devices[0];
  if (entry == 0 || index < 0 || static_cast<UINT>(index) >= device.modeCount) {
    adapter.userWidth = adapter.userHeight = 0;
    adapter.userFormat = D3DFMT_UNKNOWN;
    return;
  }
  const ModeEntry& mode = device.modes[index];
  adapter.userWidth = mode.width;
  adapter.userHeight = mode.height;
  adapter.userFormat = mode.format;
}

void RestoreSavedSettings(DisplayDialog& state) {
  for (int i = 0; i < state.saver.adapterCount; ++i)
    *state.saver.adapters[i] = state.savedAdapters[i];
  state.saver.AllScreensSame = state.savedAllScreensSame;
}

void ShowHelp(const DisplayDialog& state, HWND dialog) {
  const MonitorInfo& monitor = state.saver.monitors[state.CurrentMonitor()];
  const UINT help = HelpTextId(state.CurrentAdapter(), monitor.monitor != nullptr);
  MessageBoxW(dialog, LoadText(state.saver.instance, help).c_str(), monitor.adapterDescription,
              MB_ICONINFORMATION);
}

INT_PTR HandleCommand(DisplayDialog& state, HWND dialog, int id, int notification) {
  AdapterInfo* adapter = state.CurrentAdapter();
  switch (id) {
    case IDOK:
      EndDialog(dialog, IDOK);
      break;
    case IDCANCEL:
      RestoreSavedSettings(state);
      EndDialog(dialog, IDCANCEL);
      break;
    case IDC_MONITOR_HELP:
      ShowHelp(state, dialog);
      break;
    case IDC_DISABLE_HARDWARE:
      if (adapter) adapter->disableHardware = IsChecked(dialog, IDC_DISABLE_HARDWARE);
      FillMonitorPage(state, dialog);
      break;
    case IDC_SHOW_SAVER:
    case IDC_LEAVE_BLACK:
      if (adapter) adapter->leaveBlack = IsChecked(dialog, IDC_LEAVE_BLACK);
      EnableModeControls(dialog);
      break;
    case IDC_MODE_LIST:
      if (adapter && notification == CBN_SELCHANGE) ChooseMode(dialog, *adapter);
      break;
    case IDC_REVERSE_ORDER:
      state.saver.AllScreensSame = IsChecked(dialog, IDC_REVERSE_ORDER) ? 1 : 0;
      break;
  }
  return TRUE;
}

INT_PTR CALLBACK DisplaySettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return AnswerGuarded([&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      auto& state = *reinterpret_cast<DisplayDialog*>(lParam);
      state.tabs = GetDlgItem(dialog, IDC_MONITOR_TABS);
      if (state.tabs) AddMonitorTabs(state, dialog);
      FillMonitorPage(state, dialog);
      CheckDlgButton(dialog, IDC_REVERSE_ORDER,
                     state.saver.AllScreensSame ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    }
    auto* state = reinterpret_cast<DisplayDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    switch (message) {
      case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
          FillMonitorPage(*state, dialog);
        }
        return TRUE;
      case WM_COMMAND:
        return HandleCommand(*state, dialog, LOWORD(wParam), HIWORD(wParam));
    }
    return FALSE;
  });
}

}  // namespace

void ShowDisplaySettings(CD3DScreensaver& saver, HWND owner) {
  DisplayDialog state = {saver, {}, saver.AllScreensSame, MonitorOfOnlyAdapter(saver)};
  for (int i = 0; i < saver.adapterCount; ++i) state.savedAdapters.push_back(*saver.adapters[i]);
  const int dialog = saver.adapterCount < 2 ? IDD_DISPLAY_SINGLE : IDD_DISPLAY_MULTIPLE;
  DialogBoxParamW(saver.instance, MAKEINTRESOURCEW(dialog), owner, DisplaySettingsDlgProc,
                  reinterpret_cast<LPARAM>(&state));
}
