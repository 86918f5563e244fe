// Where the tests find the built saver program, as a Windows path (Wine maps / to drive Z:).
#pragma once

#include <string>

inline std::wstring WindowsPathOf(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* c = unixPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

inline std::wstring SaverWindowsPath() { return WindowsPathOf(BRINDLEWICK_SAVER_PATH); }
