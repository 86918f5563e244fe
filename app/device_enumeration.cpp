// Once at start-up: for every adapter the device types it can use and the display modes each
// can run the show in, with the vertex processing and depth buffer each mode needs.
#include <algorithm>
#include <new>

#include "app/device_checks.h"
#include "app/mode_choice.h"

namespace {

constexpr UINT MaxDistinctModes = 99;
constexpr UINT MaxAdapterFormats = 20;
const D3DDEVTYPE DeviceTypes[] = {D3DDEVTYPE_HAL, D3DDEVTYPE_SW};

struct DepthCandidate {
  D3DFORMAT format;
  UINT depthBits, stencilBits;  // the most this format offers
};
const DepthCandidate DepthCandidates[] = {
    {D3DFMT_D16, 16, 0},   {D3DFMT_D15S1, 15, 1},   {D3DFMT_D24X8, 24, 0},
    {D3DFMT_D24S8, 24, 8}, {D3DFMT_D24X4S4, 24, 4}, {D3DFMT_D32, 32, 0},
};

struct AdapterModes {
  ModeEntry modes[MaxDistinctModes];
  UINT modeCount = 0;
  D3DFORMAT formats[MaxAdapterFormats];
  UINT formatCount = 0;
};

void AddFormat(AdapterModes& list, D3DFORMAT format) {
  for (UINT i = 0; i < list.formatCount; ++i) {
    if (list.formats[i] == format) return;
  }
  if (list.formatCount < MaxAdapterFormats) list.formats[list.formatCount++] = format;
}

// X8R8G8B8 modes of at least 640 x 400, each resolution once whatever its refresh rates.
void ListAdapterModes(IDirect3D9* d3d, UINT adapter, D3DFORMAT desktopFormat, AdapterModes& list) {
  AddFormat(list, desktopFormat);
  const UINT count = d3d->GetAdapterModeCount(adapter, D3DFMT_X8R8G8B8);
  for (UINT i = 0; i < count && list.modeCount < MaxDistinctModes; ++i) {
    D3DDISPLAYMODE mode;
    if (FAILED(d3d->EnumAdapterModes(adapter, D3DFMT_X8R8G8B8, i, &mode))) continue;
    if (mode.Width < 640 || mode.Height < 400) continue;
    const ModeEntry entry = {mode.Width, mode.Height, mode.Format, 0, D3DFMT_UNKNOWN};
    const bool known = std::any_of(list.modes, list.modes + list.modeCount,
                                   [&](const ModeEntry& kept) { return CompareModes(kept, entry) == 0; });
    if (known) continue;
    list.modes[list.modeCount++] = entry;
    AddFormat(list, mode.Format);
  }
  std::sort(list.modes, list.modes + list.modeCount,
            [](const ModeEntry& a, const ModeEntry& b) { return CompareModes(a, b) < 0; });
}

// Appends to `device` every mode of `list` it can run; false when it can run none.
bool FillDevice(CD3DScreensaver& saver, UINT adapterIndex, AdapterInfo& adapter,
                const AdapterModes& list, DeviceInfo& device) {
  bool present = false;
  for (UINT f = 0; f < list.formatCount; ++f) {
    const D3DFORMAT format = list.formats[f];
    if (FAILED(saver.direct3D->CheckDeviceType(adapterIndex, device.deviceType, format, format,
                                               FALSE))) {
      continue;
    }
    present = true;
    DWORD behavior = 0;
    D3DFORMAT depth = D3DFMT_UNKNOWN;
    if (!ChooseBehaviorFlags(saver, device.caps, format, &behavior)) continue;
    if (saver.useDepthBuffer &&
        !PickDepthFormat(saver, adapterIndex, device.deviceType, format, &depth)) {
      continue;
    }
    for (UINT m = 0; m < list.modeCount && device.modeCount < MaxModesPerDevice; ++m) {
      if (list.modes[m].format != format) continue;
      ModeEntry& entry = device.modes[device.modeCount++];
      entry = list.modes[m];
      entry.behaviorFlags = behavior;
      entry.depthStencilFormat = depth;
    }
    if (f == 0) device.canRenderWindowed = TRUE;
  }
  BOOL& presentFlag =
      device.deviceType == D3DDEVTYPE_HAL ? adapter.hardwarePresent : adapter.softwarePresent;
  if (present) presentFlag = TRUE;
  return device.modeCount > 0;
}

void LinkMonitor(CD3DScreensaver& saver, UINT adapterIndex, AdapterInfo& adapter) {
  const HMONITOR monitor = saver.direct3D->GetAdapterMonitor(adapterIndex);
  for (int m = 0; m < saver.monitorCount; ++m) {
    if (monitor && saver.monitors[m].monitor == monitor) {
      saver.monitors[m].adapterIndex = static_cast<int>(adapterIndex);
      adapter.monitorIndex = m;
      return;
    }
  }
}

}  // namespace

bool ChooseBehaviorFlags(CD3DScreensaver& saver, const D3DCAPS9& caps, D3DFORMAT format,
                         DWORD* behaviorFlags) {
  DWORD ladder[4];
  int rungs = 0;
  if (caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) {
    if (caps.DevCaps & D3DDEVCAPS_PUREDEVICE) {
      ladder[rungs++] = D3DCREATE_PUREDEVICE | D3DCREATE_HARDWARE_VERTEXPROCESSING;
    }
    ladder[rungs++] = D3DCREATE_HARDWARE_VERTEXPROCESSING;
    ladder[rungs++] = D3DCREATE_MIXED_VERTEXPROCESSING;
  }
  ladder[rungs++] = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
  for (int i = 0; i < rungs; ++i) {
    if (SUCCEEDED(saver.CheckDeviceCaps(caps, ladder[i], format))) {
      *behaviorFlags = ladder[i];
      return true;
    }
  }
  return false;
}

bool PickDepthFormat(CD3DScreensaver& saver, UINT adapter, D3DDEVTYPE type, D3DFORMAT format,
                     D3DFORMAT* depthFormat) {
  for (const DepthCandidate& candidate : DepthCandidates) {
    if (saver.minDepthBits > candidate.depthBits || saver.minStencilBits > candidate.stencilBits) {
      continue;
    }
    if (SUCCEEDED(saver.direct3D->CheckDeviceFormat(adapter, type, format, D3DUSAGE_DEPTHSTENCIL,
                                                    D3DRTYPE_SURFACE, candidate.format)) &&
        SUCCEEDED(saver.direct3D->CheckDepthStencilMatch(adapter, type, format, format,
                                                         candidate.format))) {
      *depthFormat = candidate.format;
      return true;
    }
  }
  return false;
}

HRESULT EnumerateDevices(CD3DScreensaver& saver) {
  const UINT adapterCount =
      std::min<UINT>(saver.direct3D->GetAdapterCount(), static_cast<UINT>(MaxAdapters));
  for (UINT a = 0; a < adapterCount; ++a) {
    if (!saver.adapters[a]) {
      saver.adapters[a] = new (std::nothrow) AdapterInfo();
      if (!saver.adapters[a]) return E_OUTOFMEMORY;
    }
    saver.adapterCount = static_cast<int>(a + 1);
    AdapterInfo& adapter = *saver.adapters[a];
    adapter = AdapterInfo();
    adapter.monitorIndex = -1;
    saver.direct3D->GetAdapterIdentifier(a, 0, &adapter.identifier);
    saver.direct3D->GetAdapterDisplayMode(a, &adapter.desktopMode);
    LinkMonitor(saver, a, adapter);

    AdapterModes list;
    ListAdapterModes(saver.direct3D, a, adapter.desktopMode.Format, list);
    for (D3DDEVTYPE type : DeviceTypes) {
      DeviceInfo& device = adapter.devices[adapter.deviceCount];
      device = DeviceInfo();
      device.deviceType = type;
      saver.direct3D->GetDeviceCaps(a, type, &device.caps);
      if (!FillDevice(saver, a, adapter, list, device)) continue;
      ++adapter.deviceCount;
      BOOL& usable = type == D3DDEVTYPE_HAL ? adapter.hardwareUsable : adapter.softwareUsable;
      usable = TRUE;
    }
  }
  return S_OK;
}

void FreeAdapters(CD3DScreensaver& saver) {
  for (AdapterInfo*& adapter : saver.adapters) {
    delete adapter;
    adapter = nullptr;
  }
  saver.adapterCount = 0;
}
