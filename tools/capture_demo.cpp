// Runs the saver full screen on its show for a while, saves a screenshot every second into a
// folder, then ends it with a key press. Usage: capture_demo SAVER.scr FOLDER SECONDS
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "tools/screen_capture.h"

namespace {

struct SaverWindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindSaverWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<SaverWindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  if (owner == search->processId && GetClassNameW(window, name, 64) &&
      std::wcscmp(name, L"D3DSaverWndClass") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: capture_demo SAVER.scr FOLDER SECONDS\n");
    return 2;
  }
  const int seconds = _wtoi(argv[3]);
  CreateDirectoryW(argv[2], nullptr);
  std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" /s";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "capture_demo: the saver could not be started\n");
    return 1;
  }
  int saved = 0;
  for (int second = 1; second <= seconds; ++second) {
    if (WaitForSingleObject(process.hProcess, 1000) == WAIT_OBJECT_0) break;
    wchar_t path[MAX_PATH];
    std::swprintf(path, MAX_PATH, L"%ls\\screenshot-%02d.png", argv[2], second);
    if (SavePng(CaptureWholeScreen(), path)) ++saved;
  }
  SaverWindowSearch search = {process.dwProcessId, nullptr};
  EnumWindows(FindSaverWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found) PostMessageW(search.found, WM_KEYDOWN, VK_SPACE, 0);
  const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::printf("capture_demo: %d screenshots saved; the saver %s\n", saved,
              ended ? "ended on a key press" : "did not end and was stopped");
  return saved > 0 && ended ? 0 : 1;
}
