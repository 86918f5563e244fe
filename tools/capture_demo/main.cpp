// Runs the saver full screen on its show for a while, saves a screenshot every second into a
// folder, then ends it with a key press. Usage: capture_demo SAVER.scr FOLDER SECONDS
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "tools/saver_process/saver_process.h"
#include "tools/screen_capture/screen_capture.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: capture_demo SAVER.scr FOLDER SECONDS\n");
    return 2;
  }
  const int seconds = _wtoi(argv[3]);
  CreateDirectoryW(argv[2], nullptr);
  SaverProcess saver(argv[1], L"/s");
  if (!saver.Started()) {
    std::fprintf(stderr, "capture_demo: the saver could not be started\n");
    return 1;
  }
  int saved = 0;
  for (int second = 1; second <= seconds && !saver.WaitForExit(1000); ++second) {
    wchar_t path[MAX_PATH];
    std::swprintf(path, MAX_PATH, L"%ls\\screenshot-%02d.png", argv[2], second);
    if (SavePng(CaptureWholeScreen(), path)) ++saved;
  }
  for (HWND window : saver.SaverWindows()) PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  const bool ended = saver.WaitForExit(10000);
  std::printf("capture_demo: %d screenshots saved; the saver %s\n", saved,
              ended ? "ended on a key press" : "did not end and was stopped");
  return saved > 0 && ended ? 0 : 1;
}
