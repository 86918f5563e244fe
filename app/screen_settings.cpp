#include "app/screen_settings.h"

#include <cwchar>

#include "app/settings_registry.h"

namespace {

RegistryKey OpenScreenKey(HKEY settingsKey, int monitorIndex) {
  wchar_t name[32];
  swprintf(name, 32, L"Screen %d", monitorIndex + 1);
  return RegistryKey(settingsKey, name);
}

bool IsZero(const GUID& id) {
  static const GUID zero = {};
  return IsEqualGUID(id, zero);
}

void ReadBool(HKEY key, const wchar_t* name, BOOL* value) {
  DWORD stored = 0;
  if (ReadDword(key, name, &stored)) *value = stored != 0;
}

void WriteModeValues(HKEY key, const AdapterInfo& adapter) {
  WriteDword(key, L"Width", adapter.userWidth);
  WriteDword(key, L"Height", adapter.userHeight);
  WriteDword(key, L"Format", static_cast<DWORD>(adapter.userFormat));
  RegSetValueExW(key, L"Adapter ID", 0, REG_BINARY,
                 reinterpret_cast<const BYTE*>(&adapter.identifier.DeviceIdentifier),
                 sizeof adapter.identifier.DeviceIdentifier);
}

}  // namespace

void ReadScreenSettings(HKEY settingsKey, CD3DScreensaver& saver) {
  ReadDword(settingsKey, L"AllScreensSame", &saver.AllScreensSame);
  for (int m = 0; m < saver.monitorCount; ++m) {
    AdapterInfo* adapter = AdapterOfMonitor(saver, m);
    if (!adapter) continue;
    const RegistryKey key = OpenScreenKey(settingsKey, m);
    if (!key) continue;
    GUID savedFor = {};
    ReadBinary(key.Get(), L"Adapter ID", &savedFor, sizeof savedFor);
    ReadBool(key.Get(), L"Leave Black", &adapter->leaveBlack);
    if (!IsZero(savedFor) && !IsEqualGUID(savedFor, adapter->identifier.DeviceIdentifier)) {
      continue;
    }
    ReadBool(key.Get(), L"Disable Hardware", &adapter->disableHardware);
    DWORD stored = 0;
    if (ReadDword(key.Get(), L"Width", &stored)) adapter->userWidth = stored;
    if (ReadDword(key.Get(), L"Height", &stored)) adapter->userHeight = stored;
    if (ReadDword(key.Get(), L"Format", &stored))
      adapter->userFormat = static_cast<D3DFORMAT>(stored);
  }
}

void WriteScreenSettings(const CD3DScreensaver& saver, HKEY settingsKey) {
  WriteDword(settingsKey, L"AllScreensSame", saver.AllScreensSame);
  for (int m = 0; m < saver.monitorCount; ++m) {
    const AdapterInfo* adapter = AdapterOfMonitor(saver, m);
    if (!adapter) continue;
    const RegistryKey key = OpenScreenKey(settingsKey, m);
    if (!key) continue;
    WriteDword(key.Get(), L"Leave Black", adapter->leaveBlack ? 1 : 0);
    WriteDword(key.Get(), L"Disable Hardware", adapter->disableHardware ? 1 : 0);
    WriteModeValues(key.Get(), *adapter);
  }
}

void WriteScreenMode(const CD3DScreensaver& saver, HKEY settingsKey, int monitorIndex) {
  const AdapterInfo* adapter = AdapterOfMonitor(saver, monitorIndex);
  if (!adapter) return;
  const RegistryKey key = OpenScreenKey(settingsKey, monitorIndex);
  if (key) WriteModeValues(key.Get(), *adapter);
}
