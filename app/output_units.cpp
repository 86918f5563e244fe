// Output units: one window and device per monitor in use (one windowed device in the preview
// and the test window). Devices are made here, every frame renders and presents each unit,
// a lost device is reset, and everything is released at the end.
#include <algorithm>
#include <cwchar>
#include <iterator>

#include "app/device_checks.h"
#include "app/mode_choice.h"
#include "app/saver_codes.h"
#include "app/screen_settings.h"
#include "app/settings_registry.h"
#include "render/com_references.h"

namespace {

const D3DFORMAT WindowedFormats[] = {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_A1R5G5B5,
                                     D3DFMT_R5G6B5};

HRESULT CheckWindowedFormat(CD3DScreensaver& saver, UINT adapterIndex, const DeviceInfo& device,
                            D3DFORMAT backBufferFormat, DWORD* behaviorFlags,
                            D3DFORMAT* depthFormat) {
  const AdapterInfo& adapter = *saver.adapters[adapterIndex];
  if (FAILED(saver.direct3D->CheckDeviceType(adapterIndex, device.deviceType,
                                             adapter.desktopMode.Format, backBufferFormat, TRUE))) {
    return E_FAIL;
  }
  if (!ChooseBehaviorFlags(saver, device.caps, backBufferFormat, behaviorFlags)) return E_FAIL;
  *depthFormat = D3DFMT_UNKNOWN;
  if (saver.useDepthBuffer &&
      !PickDepthFormat(saver, adapterIndex, device.deviceType, backBufferFormat, depthFormat)) {
    return E_FAIL;
  }
  return S_OK;
}

// The HAL device unless hardware is disabled, otherwise the software device: only usable
// devices are listed, so an adapter without a usable HAL device gets the software one.
DeviceInfo* UnitDevice(AdapterInfo& adapter, bool windowed) {
  for (UINT i = 0; i < adapter.deviceCount; ++i) {
    DeviceInfo& device = adapter.devices[i];
    if (windowed && !device.canRenderWindowed) continue;
    if (device.deviceType == D3DDEVTYPE_HAL && adapter.disableHardware) continue;
    return &device;
  }
  return nullptr;
}

HRESULT CreateWindowedUnit(CD3DScreensaver& saver, OutputUnit& unit) {
  AdapterInfo& adapter = *saver.adapters[unit.adapterIndex];
  const DeviceInfo* device = UnitDevice(adapter, true);
  if (!device) return saver_error::NoHardwareDevice;

  D3DFORMAT candidates[1 + sizeof WindowedFormats / sizeof WindowedFormats[0]];
  candidates[0] = adapter.desktopMode.Format;
  std::copy(std::begin(WindowedFormats), std::end(WindowedFormats), candidates + 1);
  D3DFORMAT chosen = D3DFMT_UNKNOWN, depth = D3DFMT_UNKNOWN;
  DWORD behavior = 0;
  for (D3DFORMAT candidate : candidates) {
    if (SUCCEEDED(CheckWindowedFormat(saver, unit.adapterIndex, *device, candidate, &behavior,
                                      &depth))) {
      chosen = candidate;
      break;
    }
  }
  if (chosen == D3DFMT_UNKNOWN) return E_FAIL;

  D3DPRESENT_PARAMETERS& pp = unit.presentParameters;
  pp = D3DPRESENT_PARAMETERS{};
  pp.BackBufferFormat = chosen;
  pp.BackBufferCount = 1;
  pp.SwapEffect = saver.windowedSwapEffect;
  pp.hDeviceWindow = adapter.window;
  pp.Windowed = TRUE;
  pp.EnableAutoDepthStencil = saver.useDepthBuffer;
  pp.AutoDepthStencilFormat = depth;
  pp.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
  unit.deviceType = device->deviceType;
  unit.behaviorFlags = behavior;
  return saver.direct3D->CreateDevice(unit.adapterIndex, unit.deviceType, saver.mainWindow,
                                      behavior, &pp, &unit.device);
}

void FullScreenPresentParameters(CD3DScreensaver& saver, const AdapterInfo& adapter,
                                 const ModeEntry& mode, D3DPRESENT_PARAMETERS& pp) {
  pp = D3DPRESENT_PARAMETERS{};
  pp.BackBufferWidth = mode.width;
  pp.BackBufferHeight = mode.height;
  pp.BackBufferFormat = mode.format;
  pp.BackBufferCount = 1;
  pp.SwapEffect = saver.fullScreenSwapEffect;
  pp.hDeviceWindow = adapter.window;
  pp.Windowed = FALSE;
  pp.EnableAutoDepthStencil = saver.useDepthBuffer;
  pp.AutoDepthStencilFormat = mode.depthStencilFormat;
  pp.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
}

// A mode found by stepping down is remembered, so the next start does not fail again.
void StoreWorkingMode(CD3DScreensaver& saver, UINT monitorIndex) {
  if (!saver.settingsKeyPath[0]) return;
  const RegistryKey settingsKey(saver.settingsKeyPath);
  WriteScreenMode(saver, settingsKey.Get(), static_cast<int>(monitorIndex));
}

HRESULT CreateFullScreenUnit(CD3DScreensaver& saver, OutputUnit& unit) {
  AdapterInfo& adapter = *saver.adapters[unit.adapterIndex];
  DeviceInfo* device = UnitDevice(adapter, false);
  if (!device) return saver_error::NoHardwareDevice;
  device->chosenMode = ChooseFullScreenMode(*device, adapter);
  unit.deviceType = device->deviceType;
  bool retried = false;
  for (;;) {
    const ModeEntry& mode = device->modes[device->chosenMode];
    FullScreenPresentParameters(saver, adapter, mode, unit.presentParameters);
    unit.behaviorFlags = mode.behaviorFlags;
    HRESULT hr = saver.direct3D->CreateDevice(unit.adapterIndex, unit.deviceType,
                                              saver.mainWindow, mode.behaviorFlags,
                                              &unit.presentParameters, &unit.device);
    if (SUCCEEDED(hr)) {
      hr = saver.CheckCreatedDevice(unit.device);
      if (FAILED(hr)) ReleaseAndNull(&unit.device);
    }
    if (SUCCEEDED(hr)) {
      if (retried) {
        adapter.userWidth = mode.width;
        adapter.userHeight = mode.height;
        adapter.userFormat = mode.format;
        StoreWorkingMode(saver, unit.monitorIndex);
      }
      return hr;
    }
    if (!NextLowerMode(*device)) return hr;
    retried = true;
  }
}

void InitWindowedUnit(CD3DScreensaver& saver) {
  saver.windowed = TRUE;
  GetClientRect(saver.mainWindow, &saver.clientArea);
  saver.currentArea = saver.clientArea;
  const int adapterIndex =
      PickWindowedAdapter(saver.monitors, saver.monitorCount, saver.adapters, saver.adapterCount);
  if (adapterIndex < 0) {
    saver.EnterErrorMode(saver_error::CreateDeviceFailed);
    return;
  }
  AdapterInfo& adapter = *saver.adapters[adapterIndex];
  adapter.window = saver.mainWindow;
  OutputUnit& unit = saver.units[saver.unitCount];
  unit = OutputUnit{};
  unit.adapterIndex = static_cast<UINT>(adapterIndex);
  unit.monitorIndex = adapter.monitorIndex >= 0 ? static_cast<UINT>(adapter.monitorIndex) : 0;
  if (SUCCEEDED(CreateWindowedUnit(saver, unit))) {
    ++saver.unitCount;
  } else {
    saver.EnterErrorMode(saver.saverMode == SaverMode::Preview ? saver_error::NoPreview
                                                               : saver_error::CreateDeviceFailed);
  }
}

void InitFullScreenUnits(CD3DScreensaver& saver) {
  saver.windowed = FALSE;
  for (int m = 0; m < saver.monitorCount && saver.unitCount < MaxOutputUnits; ++m) {
    AdapterInfo* adapter = AdapterOfMonitor(saver, m);
    if (!adapter) continue;
    if (adapter->disableHardware && !adapter->softwareUsable) adapter->leaveBlack = TRUE;
    if (adapter->leaveBlack || adapter->deviceCount == 0) continue;
    adapter->window = saver.monitors[m].window;
    OutputUnit& unit = saver.units[saver.unitCount];
    unit = OutputUnit{};
    unit.adapterIndex = static_cast<UINT>(saver.monitors[m].adapterIndex);
    unit.monitorIndex = static_cast<UINT>(m);
    if (SUCCEEDED(CreateFullScreenUnit(saver, unit))) ++saver.unitCount;
    else saver.EnterErrorMode(saver_error::CreateDeviceFailed);
  }
}

RECT UnionOfUnitMonitors(const CD3DScreensaver& saver) {
  RECT area = {};
  for (int i = 0; i < saver.unitCount; ++i) {
    const RECT& rect = saver.monitors[saver.units[i].monitorIndex].screenRect;
    UnionRect(&area, &area, &rect);
  }
  return area;
}

// A device that reports it can be reset: release what does not survive, Reset, restore.
// A failure enters error mode with the code left as it is, so the box shows the generic text;
// the unit is not drawn on.
bool ResetUnit(CD3DScreensaver& saver, OutputUnit& unit) {
  if (saver.windowed) {
    AdapterInfo& adapter = *saver.adapters[unit.adapterIndex];
    saver.direct3D->GetAdapterDisplayMode(unit.adapterIndex, &adapter.desktopMode);
  }
  if (unit.restored) {
    saver.ReleaseVolatileResources();
    unit.restored = FALSE;
  }
  if (FAILED(unit.device->Reset(&unit.presentParameters)) ||
      FAILED(saver.RestoreDeviceResources())) {
    saver.EnterErrorMode(saver.errorCode);
    return false;
  }
  unit.restored = TRUE;
  return true;
}

// Moves count from here on, and only away from where the pointer is now: the system reports
// the pointer under a window that just appeared as a move, even when nobody touched it.
void ResetMouseMoveCount(CD3DScreensaver& saver) {
  saver.mouseMoveCount = 0;
  GetCursorPos(&saver.lastMousePosition);
}

}  // namespace

HRESULT Init3D(CD3DScreensaver& saver) {
  if (saver.saverMode == SaverMode::FullScreen) InitFullScreenUnits(saver);
  else InitWindowedUnit(saver);

  for (int m = 0; m < saver.monitorCount; ++m) {
    MonitorInfo& monitor = saver.monitors[m];
    saver.platform.MonitorRect(monitor.monitor, &monitor.screenRect);
    if (saver.saverMode == SaverMode::FullScreen && monitor.window) {
      SetWindowPos(monitor.window, HWND_TOPMOST, monitor.screenRect.left, monitor.screenRect.top,
                   monitor.screenRect.right - monitor.screenRect.left,
                   monitor.screenRect.bottom - monitor.screenRect.top, SWP_NOACTIVATE);
    }
  }
  if (saver.saverMode == SaverMode::FullScreen) saver.currentArea = UnionOfUnitMonitors(saver);

  for (int i = 0; i < saver.unitCount && !saver.errorMode; ++i) {
    OutputUnit& unit = saver.units[i];
    SelectOutputUnit(saver, i);
    bool ok = SUCCEEDED(saver.CreateDeviceResources());
    unit.created = ok;
    if (ok) unit.restored = ok = SUCCEEDED(saver.RestoreDeviceResources());
    if (!ok) saver.EnterErrorMode(saver_error::DeviceObjectsFailed);
  }
  ResetMouseMoveCount(saver);
  return S_OK;
}

void SelectOutputUnit(CD3DScreensaver& saver, int unitIndex) {
  OutputUnit& unit = saver.units[unitIndex];
  saver.currentDevice = unit.device;
  if (!saver.windowed) saver.currentArea = saver.monitors[unit.monitorIndex].screenRect;
  if (unit.device) {
    IDirect3DSurface9* backBuffer = nullptr;
    if (SUCCEEDED(unit.device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) {
      backBuffer->GetDesc(&saver.backBufferDesc);
      ReleaseAndNull(&backBuffer);
    }
  }
  saver.OnOutputUnitSelected(unitIndex);
}

int RenderFrame(CD3DScreensaver& saver) {
  saver.appTime = static_cast<float>(saver.timer.ApplicationTime());
  saver.elapsedTime = static_cast<float>(saver.timer.ElapsedTime());
  for (int i = 0; i < saver.unitCount; ++i) {
    OutputUnit& unit = saver.units[i];
    SelectOutputUnit(saver, i);
    if (!unit.device) continue;
    const HRESULT level = saver.platform.TestCooperativeLevel(unit.device);
    if (level == D3DERR_DEVICELOST) return 0;
    if (level == D3DERR_DEVICENOTRESET && !ResetUnit(saver, unit)) continue;
    // A unit entering error mode (a show that could not load) leaves the others their frame;
    // the box takes over from the next one.
    saver.RenderUnit();
  }
  for (int i = 0; i < saver.unitCount; ++i) {
    SelectOutputUnit(saver, i);
    if (saver.units[i].device) saver.units[i].device->Present(nullptr, nullptr, nullptr, nullptr);
  }
  return 0;
}

void Cleanup3D(CD3DScreensaver& saver) {
  for (int i = 0; i < saver.unitCount; ++i) {
    OutputUnit& unit = saver.units[i];
    SelectOutputUnit(saver, i);
    if (unit.restored) {
      saver.ReleaseVolatileResources();
      unit.restored = FALSE;
    }
    if (unit.created) {
      saver.DestroyDeviceResources();
      unit.created = FALSE;
    }
    ReleaseAndNull(&unit.device);
  }
  saver.currentDevice = nullptr;
  saver.unitCount = 0;
  ReleaseAndNull(&saver.direct3D);
}
