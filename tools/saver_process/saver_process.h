// The saver started as the user's system starts it: a separate process with a mode switch.
// While the caller waits it keeps handling its own window messages, because a preview's child
// window in the saver talks to its parent window in the caller.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class SaverProcess {
public:
  // Starts `program` with the switches `arguments` (for example L"/s").
  SaverProcess(const std::wstring& program, const std::wstring& arguments);
  ~SaverProcess();
  SaverProcess(const SaverProcess&) = delete;
  SaverProcess& operator=(const SaverProcess&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD Id() const { return process_.dwProcessId; }
  // Waits up to `ms` for the process to end; true when it ended.
  bool WaitForExit(DWORD ms);
  DWORD ExitCode() const;
  // The process's windows of the saver's class (top-level, or children of `parent`).
  std::vector<HWND> SaverWindows(HWND parent = nullptr) const;

private:
  PROCESS_INFORMATION process_ = {};
};

// Waits up to `ms` for `condition`, handling this thread's messages meanwhile.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms);
// Handles this thread's messages for `ms`.
void KeepHandlingMessages(DWORD ms);
