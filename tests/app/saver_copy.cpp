#include "tests/app/saver_copy.h"

#include <windows.h>

#include "tests/app/saver_paths.h"

SaverCopy::SaverCopy(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // A folder no earlier copy had: the last one's saver may still be letting go of its files.
  static int copies = 0;
  folder_ = std::wstring(temp) + L"brindlewick-" + name + L"-" +
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++copies);
  CreateDirectoryW(folder_.c_str(), nullptr);
  program_ = folder_ + L"\\" + name + L".scr";
  CopyFileW(SaverWindowsPath().c_str(), program_.c_str(), FALSE);
}

SaverCopy::~SaverCopy() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileW((folder_ + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder_.c_str());
}
