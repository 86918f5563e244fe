#include "app/saver_platform.h"

#include <cstring>

namespace {

// The desktop rectangle of an attached display device: the primary device sits at the origin.
RECT DisplayDeviceRect(const DISPLAY_DEVICEW& device) {
  DEVMODEW settings = {};
  settings.dmSize = sizeof settings;
  RECT rect = {};
  if (!EnumDisplaySettingsW(device.DeviceName, ENUM_CURRENT_SETTINGS, &settings)) return rect;
  if (!(device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)) {
    rect.left = settings.dmPosition.x;
    rect.top = settings.dmPosition.y;
  }
  rect.right = rect.left + static_cast<LONG>(settings.dmPelsWidth);
  rect.bottom = rect.top + static_cast<LONG>(settings.dmPelsHeight);
  return rect;
}

class WindowsPlatform : public SaverPlatform {
public:
  int ListMonitors(MonitorInfo* monitors, int capacity) override {
    int count = 0;
    DISPLAY_DEVICEW device = {};
    device.cb = sizeof device;
    for (DWORD index = 0; count < capacity && EnumDisplayDevicesW(nullptr, index, &device, 0);
         ++index, device.cb = sizeof device) {
      if (device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) continue;
      MonitorInfo& monitor = monitors[count++];
      monitor = MonitorInfo{};
      wcsncpy(monitor.adapterDescription, device.DeviceString, 127);
      monitor.adapterIndex = -1;
      if (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) {
        monitor.screenRect = DisplayDeviceRect(device);
        monitor.monitor = MonitorFromRect(&monitor.screenRect, MONITOR_DEFAULTTONULL);
      }
    }
    return count;
  }

  bool MonitorRect(HMONITOR monitor, RECT* rect) override {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return false;
    *rect = info.rcMonitor;
    return true;
  }

  IDirect3D9* CreateDirect3D() override { return Direct3DCreate9(D3D_SDK_VERSION); }

  HRESULT TestCooperativeLevel(IDirect3DDevice9* device) override {
    return device->TestCooperativeLevel();
  }
};

}  // namespace

SaverPlatform& MachinePlatform() {
  static WindowsPlatform platform;
  return platform;
}
