#include "app/temporary_sound_file.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <set>

namespace {

constexpr size_t MaxNameLength = 64;
constexpr size_t MaxExtensionLength = 16;

uint64_t HashOfBytes(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;  // 64-bit FNV-1a
  for (uint8_t byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// The stored path's last component, separated by either slash.
std::wstring LastComponent(const std::wstring& path) {
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

bool IsUsableInFileName(wchar_t c) { return c >= 0x20 && !std::wcschr(L"<>:\"/\\|?*", c); }

// Shortens a long name at the end of its stem, keeping a short extension.
std::wstring Shortened(const std::wstring& name) {
  if (name.size() <= MaxNameLength) return name;
  const size_t dot = name.rfind(L'.');
  const bool keepsExtension = dot != std::wstring::npos && name.size() - dot <= MaxExtensionLength;
  const std::wstring extension = keepsExtension ? name.substr(dot) : L"";
  return name.substr(0, MaxNameLength - extension.size()) + extension;
}

std::wstring UsableName(const std::wstring& storedPath) {
  std::wstring name = LastComponent(storedPath);
  for (wchar_t& c : name) {
    if (!IsUsableInFileName(c)) c = L'_';
  }
  // Windows drops trailing dots and blanks, which would turn "x.." into "x".
  while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
  return name.empty() ? L"sound" : Shortened(name);
}

bool IsExistingFile(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool complete =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  const bool closed = CloseHandle(file);
  if (!complete || !closed) DeleteFileW(path.c_str());
  return complete && closed;
}

void DropBytes(DataBlob& file) {
  file.bytes.clear();
  file.bytes.shrink_to_fit();
}

// The files this process wrote: the same bytes under the same name are written once.
std::set<std::wstring>& WrittenFiles() {
  static std::set<std::wstring> written;
  return written;
}

}  // namespace

std::wstring TemporarySoundName(const DataBlob& file) {
  wchar_t hash[17];
  swprintf(hash, 17, L"%016llx", static_cast<unsigned long long>(HashOfBytes(file.bytes)));
  return L"brindlewick-" + std::wstring(hash) + L"-" + UsableName(file.name);
}

void MaterialiseAudioFile(DataBlob& file, const std::wstring& folder) {
  if (file.bytes.empty()) return;
  if (IsExistingFile(file.name)) {
    DropBytes(file);
    return;
  }
  const std::wstring target = folder + TemporarySoundName(file);
  if (folder.empty() || target.size() >= MAX_PATH) return;
  if (!WrittenFiles().count(target) || !IsExistingFile(target)) {
    if (!WriteWholeFile(target, file.bytes)) return;
    WrittenFiles().insert(target);
  }
  file.Rename(target);
}

void MaterialiseAudioFile(DataBlob& file) {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length > 0 && length <= MAX_PATH) MaterialiseAudioFile(file, folder);
}
