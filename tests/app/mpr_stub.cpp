// Stands in for mpr.dll in the password-change test: it writes the arguments it was called
// with into the file named by BRINDLEWICK_MPR_LOG.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND window,
                                                                 DWORD flags, LPVOID reserved) {
  char path[MAX_PATH];
  if (!GetEnvironmentVariableA("BRINDLEWICK_MPR_LOG", path, MAX_PATH)) return ERROR_SUCCESS;
  if (FILE* log = std::fopen(path, "w")) {
    std::fprintf(log, "%s %lu %lu %lu", provider ? provider : "(null)",
                 static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)),
                 static_cast<unsigned long>(flags),
                 static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(reserved)));
    std::fclose(log);
  }
  return ERROR_SUCCESS;
}
