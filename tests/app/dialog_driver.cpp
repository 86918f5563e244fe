#include "tests/app/dialog_driver.h"

#include <cwchar>

#include "tools/saver_process/saver_process.h"

namespace {

struct DialogSearch {
  DWORD processId;
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[16];
  if (owner != search->processId || !IsWindowVisible(window) ||
      !GetClassNameW(window, className, 16) || std::wcscmp(className, L"#32770") != 0 ||
      WindowText(window) != *search->caption) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindDialog(DWORD processId, const std::wstring& caption) {
  DialogSearch search = {processId, &caption, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForDialog(DWORD processId, const std::wstring& caption, DWORD ms) {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindDialog(processId, caption)) != nullptr; }, ms);
  return dialog;
}

bool WaitUntilGone(HWND window, DWORD ms) {
  return WaitUntil([&] { return !IsWindow(window); }, ms);
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

std::wstring DialogItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

bool IsControlEnabled(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control && IsWindowEnabled(control);
}

bool IsControlChecked(HWND dialog, int id) {
  return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::wstring> ComboEntries(HWND dialog, int id) {
  std::vector<std::wstring> entries;
  const LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

int ComboSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void ChooseComboEntry(HWND dialog, int id, int entry) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

void PressLater(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
