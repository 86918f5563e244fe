#include "app/open_url.h"

#include <windows.h>

namespace {

constexpr size_t MaxCommandLine = 259;

// The default value of HKEY_CLASSES_ROOT\http\shell\open\command with its environment
// strings expanded; empty when it is missing, no string, or too long.
std::wstring RegisteredBrowserCommand() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return L"";
  }
  wchar_t value[MaxCommandLine + 1];
  DWORD type = 0, size = MaxCommandLine * sizeof(wchar_t);  // room left for the terminator
  const LONG result =
      RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return L"";
  value[size / sizeof(wchar_t)] = L'\0';
  if (type == REG_SZ) return value;
  wchar_t expanded[MaxCommandLine + 1];
  const DWORD length = ExpandEnvironmentStringsW(value, expanded, MaxCommandLine + 1);
  return length > 0 && length <= MaxCommandLine + 1 ? expanded : L"";
}

}  // namespace

std::wstring BrowserCommandLine(const std::wstring& command, const std::wstring& url) {
  std::wstring line;
  size_t placeholder = command.find(L"\"%1\"");
  if (placeholder != std::wstring::npos)
    ++placeholder;  // the URL stays inside the quotes
  else
    placeholder = command.find(L"%1");
  if (placeholder != std::wstring::npos)
    line = command.substr(0, placeholder) + url + command.substr(placeholder + 2);
  else
    line = command + L" " + url;
  return line.size() <= MaxCommandLine ? line : L"";
}

bool OpenUrl(const std::wstring& url) {
  const std::wstring command = RegisteredBrowserCommand();
  if (command.empty()) return false;
  std::wstring line = BrowserCommandLine(command, url);
  if (line.empty()) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}
