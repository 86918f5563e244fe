// Finding and working the saver's dialogs from outside their own message loop: from another
// thread of a test, or from the test process while the saver runs its dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A visible dialog of `processId` with `caption`, or null.
HWND FindDialog(DWORD processId, const std::wstring& caption);
// Waits up to `ms` for it, handling this thread's messages meanwhile.
HWND WaitForDialog(DWORD processId, const std::wstring& caption, DWORD ms = 20000);
// Waits up to `ms` until `window` is gone.
bool WaitUntilGone(HWND window, DWORD ms = 10000);

std::wstring WindowText(HWND window);
std::wstring DialogItemText(HWND dialog, int id);
bool IsControlEnabled(HWND dialog, int id);
bool IsControlChecked(HWND dialog, int id);

std::vector<std::wstring> ComboEntries(HWND dialog, int id);
int ComboSelection(HWND dialog, int id);
// Selects an entry as the user would: the list tells its dialog about the change.
void ChooseComboEntry(HWND dialog, int id, int entry);

// Clicks a check box, radio button or a button that opens no dialog, and returns when the
// dialog has handled the click.
void Click(HWND dialog, int id);
// Presses a button whose handler runs a dialog of its own (or ends this one): the request is
// posted, so the caller can go on to work the next dialog.
void PressLater(HWND dialog, int id);
