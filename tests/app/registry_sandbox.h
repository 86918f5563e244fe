// A registry key of a test, empty when the test starts and removed when it ends, with the
// reads and writes a test needs to seed values (of any type) and look at what was stored.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class RegistrySandbox {
public:
  // `path` under HKEY_CURRENT_USER, with a trailing backslash.
  explicit RegistrySandbox(std::wstring path);
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  const std::wstring& Path() const { return path_; }

  // `subkey` is empty for the key itself, else a subkey such as L"Screen 1".
  void Set(const std::wstring& subkey, const wchar_t* name, DWORD type, const void* bytes,
           DWORD size) const;
  void SetDword(const std::wstring& subkey, const wchar_t* name, DWORD value) const;
  std::optional<DWORD> Dword(const std::wstring& subkey, const wchar_t* name) const;
  std::optional<std::vector<BYTE>> Binary(const std::wstring& subkey, const wchar_t* name) const;
  bool HasKey(const std::wstring& subkey) const;
  // Every value under the key and its subkeys as "subkey\name=type:hex bytes" lines, sorted,
  // for comparing a whole state before and after.
  std::vector<std::wstring> Snapshot() const;

private:
  std::wstring path_;
};

// The product's own settings key (the saver started by the end-to-end tests writes there).
constexpr const wchar_t* ProductSettingsKey =
    L"Software\\Vantorel\\Brindlewick Maker\\Screensaver\\";
