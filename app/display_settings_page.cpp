#include "app/display_settings_page.h"

#include <cwchar>

namespace {

constexpr UINT HardwareText = 2210, SoftwareText = 2211, NotDisplayedText = 2212;

bool HardwareInUse(const AdapterInfo& adapter) {
  return adapter.hardwarePresent && adapter.hardwareUsable && !adapter.disableHardware;
}

// The help texts when hardware rendering is off (disabled or absent), by what software offers.
UINT SoftwareHelp(const AdapterInfo& adapter, UINT usable, UINT unusable, UINT absent) {
  if (!adapter.softwarePresent) return absent;
  return adapter.softwareUsable ? usable : unusable;
}

int ColorBits(D3DFORMAT format) {
  switch (format) {
    case D3DFMT_R8G8B8:
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8:
      return 32;
    default:
      return 16;
  }
}

}  // namespace

MonitorPage DescribeMonitorPage(const AdapterInfo* adapter) {
  MonitorPage page = {NotDisplayedText, false, false, false, true};
  if (!adapter) return page;
  if (HardwareInUse(*adapter))
    page.renderingTextId = HardwareText;
  else if (adapter->softwarePresent && adapter->softwareUsable)
    page.renderingTextId = SoftwareText;
  page.hardwareSwitchEnabled = adapter->hardwarePresent && adapter->hardwareUsable;
  page.hardwareSwitchChecked = page.hardwareSwitchEnabled && adapter->disableHardware;
  page.usageEnabled =
      (adapter->hardwareUsable && !adapter->disableHardware) || adapter->softwareUsable;
  page.leaveBlack = !page.usageEnabled || adapter->leaveBlack;
  return page;
}

UINT HelpTextId(const AdapterInfo* adapter, bool hasMonitor) {
  if (!adapter || !hasMonitor) return 2206;
  if (!adapter->hardwarePresent) return SoftwareHelp(*adapter, 2204, 2205, 2206);
  if (adapter->disableHardware) return SoftwareHelp(*adapter, 2207, 2208, 2209);
  if (adapter->hardwareUsable) return 2200;
  return SoftwareHelp(*adapter, 2201, 2202, 2203);
}

std::wstring ModeEntryText(const std::wstring& format, const ModeEntry& mode) {
  wchar_t text[100];
  if (swprintf(text, 100, format.c_str(), static_cast<int>(mode.width),
               static_cast<int>(mode.height), ColorBits(mode.format)) < 0) {
    return L"";
  }
  return text;
}

int SelectedModeEntry(const AdapterInfo& adapter) {
  if (adapter.deviceCount == 0) return 0;
  const DeviceInfo& device = adapter.devices[0];
  for (UINT i = 0; i < device.modeCount; ++i) {
    const ModeEntry& mode = device.modes[i];
    if (mode.width == adapter.userWidth && mode.height == adapter.userHeight &&
        mode.format == adapter.userFormat) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}
