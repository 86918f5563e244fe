// Stands in for the browser in the website test: it writes the command line it was started
// with (UTF-16) into the file named by BRINDLEWICK_URL_LOG.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH];
  if (!GetEnvironmentVariableW(L"BRINDLEWICK_URL_LOG", path, MAX_PATH)) return 1;
  if (FILE* log = _wfopen(path, L"wb")) {
    const wchar_t* line = GetCommandLineW();
    std::fwrite(line, sizeof(wchar_t), std::wcslen(line), log);
    std::fclose(log);
  }
  return 0;
}
