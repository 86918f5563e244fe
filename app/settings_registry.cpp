#include "app/settings_registry.h"

#include <cstring>

wchar_t SettingsKeyPath[200] = {};

RegistryKey::RegistryKey(const wchar_t* path) : RegistryKey(HKEY_CURRENT_USER, path) {}

RegistryKey::RegistryKey(HKEY parent, const wchar_t* name) {
  if (!parent || RegCreateKeyExW(parent, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                                 nullptr) != ERROR_SUCCESS) {
    key_ = nullptr;
  }
}

RegistryKey::~RegistryKey() {
  if (key_) RegCloseKey(key_);
}

namespace {

// Reads a value of exactly `type` and `size` into a scratch buffer first, so a value of another
// size never touches the caller's bytes.
bool ReadExact(HKEY key, const wchar_t* name, DWORD type, void* bytes, DWORD size) {
  if (!key) return false;
  BYTE scratch[64];
  if (size > sizeof scratch) return false;
  DWORD storedType = 0, storedSize = sizeof scratch;
  if (RegQueryValueExW(key, name, nullptr, &storedType, scratch, &storedSize) != ERROR_SUCCESS ||
      storedType != type || storedSize != size) {
    return false;
  }
  memcpy(bytes, scratch, size);
  return true;
}

}  // namespace

bool ReadDword(HKEY key, const wchar_t* name, DWORD* value) {
  return ReadExact(key, name, REG_DWORD, value, sizeof *value);
}

bool ReadBinary(HKEY key, const wchar_t* name, void* bytes, DWORD size) {
  return ReadExact(key, name, REG_BINARY, bytes, size);
}

void WriteDword(HKEY key, const wchar_t* name, DWORD value) {
  if (key) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
}

bool ReadRegistryDword(DWORD* value, const wchar_t* name) {
  RegistryKey key(SettingsKeyPath);
  return ReadDword(key.Get(), name, value);
}

void WriteRegistryDword(const wchar_t* name, DWORD value) {
  RegistryKey key(SettingsKeyPath);
  WriteDword(key.Get(), name, value);
}

namespace {

bool picPosLoaded = false;
int picPos = DefaultPicPos;

// Reads `name` over *value only when the stored value is at most `maximum`.
void ReadBounded(DWORD* value, const wchar_t* name, DWORD maximum) {
  DWORD stored = 0;
  if (ReadRegistryDword(&stored, name) && stored <= maximum) *value = stored;
}

}  // namespace

int ReadStoredPicPos() {
  DWORD position = DefaultPicPos;
  ReadBounded(&position, PicPosValue, PicPosCount - 1);
  return static_cast<int>(position);
}

int ReadPicPos() {
  if (!picPosLoaded) {
    picPos = ReadStoredPicPos();
    picPosLoaded = true;
  }
  return picPos;
}

void WritePicPos(int position) {
  if (position < 0 || position >= PicPosCount) return;
  picPosLoaded = true;
  picPos = position;
  WriteRegistryDword(PicPosValue, static_cast<DWORD>(position));
}

void ReadSoundSettings(SoundSettings& settings) {
  ReadBounded(&settings.volume, SoundVolumeValue, 100);
  ReadBounded(&settings.mute, MuteSoundValue, 1);
}
