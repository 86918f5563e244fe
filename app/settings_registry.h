// The saver's values in the registry, under HKEY_CURRENT_USER and the settings key path. A
// value is trusted only when it has the type and size it is written with; anything else reads
// as missing, so the caller's value (its default) stays.
#pragma once

#include <windows.h>

// The settings key under HKEY_CURRENT_USER, with its trailing backslash.
extern wchar_t SettingsKeyPath[200];

// The quotes are part of the names.
constexpr const wchar_t* PicPosValue = L"\"PicPos\"";
constexpr const wchar_t* SoundVolumeValue = L"\"SoundVolume\"";
constexpr const wchar_t* MuteSoundValue = L"\"MuteSound\"";

// An open registry key, closed with its holder. Null when it could not be opened.
class RegistryKey {
public:
  // Opens `path` under HKEY_CURRENT_USER, creating it when absent.
  explicit RegistryKey(const wchar_t* path);
  // Opens the subkey `name` of `parent`, creating it when absent.
  RegistryKey(HKEY parent, const wchar_t* name);
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  HKEY Get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

private:
  HKEY key_ = nullptr;
};

// Reads a REG_DWORD of 4 bytes into *value; false (and *value untouched) otherwise.
bool ReadDword(HKEY key, const wchar_t* name, DWORD* value);
// Reads a REG_BINARY of exactly `size` bytes into `bytes`; false (untouched) otherwise.
bool ReadBinary(HKEY key, const wchar_t* name, void* bytes, DWORD size);
void WriteDword(HKEY key, const wchar_t* name, DWORD value);

// The same for a value directly under the settings key.
bool ReadRegistryDword(DWORD* value, const wchar_t* name);
void WriteRegistryDword(const wchar_t* name, DWORD value);

constexpr int PicPosCount = 3;  // 0 Stretch, 1 Fit, 2 Fill
constexpr int DefaultPicPos = 2;

// The stored picture position; the default when it is missing or out of range.
int ReadStoredPicPos();
// The picture position of this process: read from the registry on first use, then cached.
int ReadPicPos();
// Sets the cached position and stores it; a position out of range changes nothing.
void WritePicPos(int position);

struct SoundSettings {
  DWORD volume = 100;  // 0 (quiet) to 100 (full)
  DWORD mute = 0;      // not 0: silent
};

// Reads the stored volume and mute over `settings`: a value that is missing or out of range
// keeps what `settings` held (its default).
void ReadSoundSettings(SoundSettings& settings);
