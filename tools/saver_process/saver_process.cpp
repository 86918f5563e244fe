#include "tools/saver_process/saver_process.h"

#include <cwchar>

SaverProcess::SaverProcess(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    process_ = {};
  }
}

SaverProcess::~SaverProcess() {
  if (!Started()) return;
  if (!WaitForExit(0)) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool SaverProcess::WaitForExit(DWORD ms) {
  return Started() && WaitUntil([&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, ms);
}

DWORD SaverProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectSaverWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  if (owner == search->processId && GetClassNameW(window, name, 64) &&
      std::wcscmp(name, L"D3DSaverWndClass") == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> SaverProcess::SaverWindows(HWND parent) const {
  WindowSearch search = {process_.dwProcessId, {}};
  if (parent) EnumChildWindows(parent, CollectSaverWindow, reinterpret_cast<LPARAM>(&search));
  else EnumWindows(CollectSaverWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void KeepHandlingMessages(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const DWORD now = GetTickCount();
    if (static_cast<LONG>(end - now) <= 0) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
  }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    if (condition()) return true;
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    KeepHandlingMessages(50);
  }
}
