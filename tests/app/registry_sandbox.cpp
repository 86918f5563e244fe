#include "tests/app/registry_sandbox.h"

#include <algorithm>
#include <cwchar>

namespace {

class OpenKey {
public:
  OpenKey(const std::wstring& path, bool create) {
    const LONG result = create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                               : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY key_ = nullptr;
};

std::optional<std::vector<BYTE>> Query(const std::wstring& path, const wchar_t* name,
                                       DWORD wantedType) {
  OpenKey key(path, false);
  if (!key.key_) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != wantedType) {
    return std::nullopt;
  }
  std::vector<BYTE> bytes(size);
  RegQueryValueExW(key.key_, name, nullptr, &type, bytes.data(), &size);
  return bytes;
}

void CollectValues(const std::wstring& path, const std::wstring& prefix,
                   std::vector<std::wstring>& lines) {
  OpenKey key(path, false);
  if (!key.key_) return;
  wchar_t name[256];
  BYTE data[1024];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 256, type = 0, size = sizeof data;
    if (RegEnumValueW(key.key_, i, name, &nameLength, nullptr, &type, data, &size) !=
        ERROR_SUCCESS) {
      break;
    }
    std::wstring line = prefix + name + L"=" + std::to_wstring(type) + L":";
    for (DWORD b = 0; b < size; ++b) {
      wchar_t hex[4];
      swprintf(hex, 4, L"%02x", data[b]);
      line += hex;
    }
    lines.push_back(line);
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key.key_, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    lines.push_back(prefix + name + L"\\");
    CollectValues(path + name + L"\\", prefix + name + L"\\", lines);
  }
}

}  // namespace

RegistrySandbox::RegistrySandbox(std::wstring path) : path_(std::move(path)) {
  RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
}

RegistrySandbox::~RegistrySandbox() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

void RegistrySandbox::Set(const std::wstring& subkey, const wchar_t* name, DWORD type,
                          const void* bytes, DWORD size) const {
  OpenKey key(path_ + subkey, true);
  if (key.key_) RegSetValueExW(key.key_, name, 0, type, static_cast<const BYTE*>(bytes), size);
}

void RegistrySandbox::SetDword(const std::wstring& subkey, const wchar_t* name, DWORD value) const {
  Set(subkey, name, REG_DWORD, &value, sizeof value);
}

std::optional<DWORD> RegistrySandbox::Dword(const std::wstring& subkey, const wchar_t* name) const {
  const auto bytes = Query(path_ + subkey, name, REG_DWORD);
  if (!bytes || bytes->size() != sizeof(DWORD)) return std::nullopt;
  DWORD value;
  std::copy(bytes->begin(), bytes->end(), reinterpret_cast<BYTE*>(&value));
  return value;
}

std::optional<std::vector<BYTE>> RegistrySandbox::Binary(const std::wstring& subkey,
                                                         const wchar_t* name) const {
  return Query(path_ + subkey, name, REG_BINARY);
}

bool RegistrySandbox::HasKey(const std::wstring& subkey) const {
  return OpenKey(path_ + subkey, false).key_ != nullptr;
}

std::vector<std::wstring> RegistrySandbox::Snapshot() const {
  std::vector<std::wstring> lines;
  CollectValues(path_, L"", lines);
  std::sort(lines.begin(), lines.end());
  return lines;
}
