#include "app/dialog_helpers.h"

std::wstring LoadText(HINSTANCE instance, UINT id) {
  wchar_t text[400];
  const int length = LoadStringW(instance, id, text, 400);
  return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring ControlText(HWND dialog, int id) {
  wchar_t text[101];
  const UINT length = GetDlgItemTextW(dialog, id, text, 101);
  return std::wstring(text, length);
}

void EnableControl(HWND dialog, int id, bool enabled) {
  if (HWND control = GetDlgItem(dialog, id)) EnableWindow(control, enabled);
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
