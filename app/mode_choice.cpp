#include "app/mode_choice.h"

int CompareModes(const ModeEntry& a, const ModeEntry& b) {
  if (a.width != b.width) return a.width < b.width ? -1 : 1;
  if (a.height != b.height) return a.height < b.height ? -1 : 1;
  if (a.format != b.format) return a.format > b.format ? -1 : 1;
  return 0;
}

namespace {

bool FindUserMode(const DeviceInfo& device, const AdapterInfo& adapter, UINT* index) {
  if (adapter.userWidth == 0) return false;
  for (UINT i = 0; i < device.modeCount; ++i) {
    const ModeEntry& mode = device.modes[i];
    if (mode.width == adapter.userWidth && mode.height == adapter.userHeight &&
        mode.format == adapter.userFormat) {
      *index = i;
      return true;
    }
  }
  return false;
}

UINT SmallestSoftwareMode(const DeviceInfo& device) {
  UINT chosen = 0;
  bool found = false;
  for (UINT i = 0; i < device.modeCount; ++i) {
    const UINT height = device.modes[i].height;
    if (height == 400) continue;
    if (!found || height <= device.modes[chosen].height) {
      chosen = i;
      found = true;
    }
  }
  return chosen;
}

UINT DesktopSizedMode(const DeviceInfo& device, const D3DDISPLAYMODE& desktop) {
  for (UINT i = 0; i < device.modeCount; ++i) {
    if (device.modes[i].width == desktop.Width && device.modes[i].height == desktop.Height) return i;
  }
  return 0;
}

UINT64 Area(const ModeEntry& mode) { return static_cast<UINT64>(mode.width) * mode.height; }

}  // namespace

UINT ChooseFullScreenMode(const DeviceInfo& device, const AdapterInfo& adapter) {
  UINT index = 0;
  if (FindUserMode(device, adapter, &index)) return index;
  if (device.deviceType == D3DDEVTYPE_SW) return SmallestSoftwareMode(device);
  return DesktopSizedMode(device, adapter.desktopMode);
}

bool NextLowerMode(DeviceInfo& device) {
  const UINT64 failedArea = Area(device.modes[device.chosenMode]);
  bool found = false;
  UINT best = 0;
  for (UINT i = 0; i < device.modeCount; ++i) {
    if (i == device.chosenMode) continue;
    const UINT64 area = Area(device.modes[i]);
    if (area < failedArea && (!found || area > Area(device.modes[best]))) {
      best = i;
      found = true;
    }
  }
  if (found) device.chosenMode = best;
  return found;
}

int PickWindowedAdapter(const MonitorInfo* monitors, int monitorCount,
                        AdapterInfo* const* adapters, int adapterCount) {
  auto adapterOf = [&](int monitor) -> const AdapterInfo* {
    const int index = monitors[monitor].adapterIndex;
    return index >= 0 && index < adapterCount ? adapters[index] : nullptr;
  };
  for (int m = 0; m < monitorCount; ++m) {
    const AdapterInfo* adapter = adapterOf(m);
    if (adapter && adapter->hardwareUsable) return monitors[m].adapterIndex;
  }
  int software = -1;
  for (int m = 0; m < monitorCount; ++m) {
    const AdapterInfo* adapter = adapterOf(m);
    if (adapter && adapter->softwareUsable) software = monitors[m].adapterIndex;
  }
  return software;
}
