// Small helpers shared by the saver's dialog procedures.
#pragma once

#include <windows.h>

#include <string>

// A string of the saver's string table; empty when it has none.
std::wstring LoadText(HINSTANCE instance, UINT id);
// The text of a dialog control (at most 100 characters).
std::wstring ControlText(HWND dialog, int id);
void EnableControl(HWND dialog, int id, bool enabled);
bool IsChecked(HWND dialog, int id);

// Runs a dialog procedure's handler; an exception must not cross into the system's dialog
// code, so it is answered as an unhandled message.
template <class Handler>
INT_PTR AnswerGuarded(Handler&& handler) {
  try {
    return handler();
  } catch (...) {
    return FALSE;
  }
}
