#include "tests/app/stand_in_machine.h"

#include <cwchar>

namespace {

constexpr UINT RealAdapter = D3DADAPTER_DEFAULT;

}  // namespace

class StandInDirect3D final : public IDirect3D9 {
public:
  StandInDirect3D(std::vector<StandInAdapter> adapters,
                  std::vector<FullScreenRequest>& fullScreenRequests)
      : real_(Direct3DCreate9(D3D_SDK_VERSION)),
        adapters_(std::move(adapters)),
        fullScreenRequests_(fullScreenRequests) {}
  ~StandInDirect3D() {
    if (real_) real_->Release();
  }

  ULONG References() const { return references_; }

  HRESULT WINAPI QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG WINAPI AddRef() override { return ++references_; }
  ULONG WINAPI Release() override { return --references_; }  // owned by the machine
  HRESULT WINAPI RegisterSoftwareDevice(void*) override { return D3DERR_INVALIDCALL; }
  UINT WINAPI GetAdapterCount() override { return static_cast<UINT>(adapters_.size()); }
  HRESULT WINAPI GetAdapterIdentifier(UINT adapter, DWORD flags,
                                      D3DADAPTER_IDENTIFIER9* identifier) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    const HRESULT hr = real_->GetAdapterIdentifier(RealAdapter, flags, identifier);
    identifier->DeviceIdentifier.Data1 += adapter;  // each adapter its own identity
    return hr;
  }
  UINT WINAPI GetAdapterModeCount(UINT adapter, D3DFORMAT format) override {
    if (!Valid(adapter)) return 0;
    if (adapters_[adapter].modes.empty()) return real_->GetAdapterModeCount(RealAdapter, format);
    return format == D3DFMT_X8R8G8B8 ? static_cast<UINT>(adapters_[adapter].modes.size()) : 0;
  }
  HRESULT WINAPI EnumAdapterModes(UINT adapter, D3DFORMAT format, UINT mode,
                                  D3DDISPLAYMODE* displayMode) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    const std::vector<D3DDISPLAYMODE>& modes = adapters_[adapter].modes;
    if (modes.empty()) return real_->EnumAdapterModes(RealAdapter, format, mode, displayMode);
    if (mode >= modes.size()) return D3DERR_INVALIDCALL;
    *displayMode = modes[mode];
    return D3D_OK;
  }
  HRESULT WINAPI GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override {
    return Valid(adapter) ? real_->GetAdapterDisplayMode(RealAdapter, mode) : D3DERR_INVALIDCALL;
  }
  HRESULT WINAPI CheckDeviceType(UINT adapter, D3DDEVTYPE type, D3DFORMAT display,
                                 D3DFORMAT backBuffer, BOOL windowed) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    const StandInAdapter& standIn = adapters_[adapter];
    if ((type == D3DDEVTYPE_SW && standIn.withoutSoftwareDevice) ||
        (type == D3DDEVTYPE_HAL && standIn.withoutHardwareDevice)) {
      return D3DERR_NOTAVAILABLE;
    }
    return real_->CheckDeviceType(RealAdapter, type, display, backBuffer, windowed);
  }
  HRESULT WINAPI CheckDeviceFormat(UINT adapter, D3DDEVTYPE type, D3DFORMAT display, DWORD usage,
                                   D3DRESOURCETYPE resourceType, D3DFORMAT format) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    return real_->CheckDeviceFormat(RealAdapter, type, display, usage, resourceType, format);
  }
  HRESULT WINAPI CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE type, D3DFORMAT format,
                                            BOOL windowed, D3DMULTISAMPLE_TYPE samples,
                                            DWORD* levels) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    return real_->CheckDeviceMultiSampleType(RealAdapter, type, format, windowed, samples, levels);
  }
  HRESULT WINAPI CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE type, D3DFORMAT display,
                                        D3DFORMAT target, D3DFORMAT depth) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    return real_->CheckDepthStencilMatch(RealAdapter, type, display, target, depth);
  }
  HRESULT WINAPI CheckDeviceFormatConversion(UINT adapter, D3DDEVTYPE type, D3DFORMAT source,
                                             D3DFORMAT target) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    return real_->CheckDeviceFormatConversion(RealAdapter, type, source, target);
  }
  HRESULT WINAPI GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    const HRESULT hr = real_->GetDeviceCaps(RealAdapter, type, caps);
    caps->AdapterOrdinal = adapter;
    if (adapters_[adapter].withoutBumpMapping) caps->TextureOpCaps &= ~D3DTEXOPCAPS_BUMPENVMAP;
    return hr;
  }
  HMONITOR WINAPI GetAdapterMonitor(UINT adapter) override {
    return Valid(adapter) ? StandInMachine::MonitorHandle(adapters_[adapter].monitor) : nullptr;
  }
  HRESULT WINAPI CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focus, DWORD behavior,
                              D3DPRESENT_PARAMETERS* pp, IDirect3DDevice9** device) override {
    if (!Valid(adapter)) return D3DERR_INVALIDCALL;
    if (!pp->Windowed) {
      fullScreenRequests_.push_back({adapter, pp->BackBufferWidth, pp->BackBufferHeight});
      const UINT largest = adapters_[adapter].largestFullScreenArea;
      if (largest && pp->BackBufferWidth * pp->BackBufferHeight > largest) {
        return D3DERR_OUTOFVIDEOMEMORY;
      }
      // One screen cannot take several full-screen devices: each draws into its own window.
      pp->Windowed = TRUE;
      pp->BackBufferWidth = pp->BackBufferHeight = 0;
      pp->FullScreen_RefreshRateInHz = 0;
      pp->PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
      focus = pp->hDeviceWindow;
    }
    return real_->CreateDevice(RealAdapter, type, focus, behavior, pp, device);
  }

private:
  bool Valid(UINT adapter) const { return adapter < adapters_.size(); }

  IDirect3D9* real_;
  std::vector<StandInAdapter> adapters_;
  std::vector<FullScreenRequest>& fullScreenRequests_;
  ULONG references_ = 0;
};

StandInMachine::StandInMachine(std::vector<RECT> monitorRects, std::vector<StandInAdapter> adapters)
    : monitorRects_(std::move(monitorRects)), direct3D_(new StandInDirect3D(std::move(adapters), fullScreenRequests)) {}

StandInMachine::~StandInMachine() { delete direct3D_; }

HMONITOR StandInMachine::MonitorHandle(int index) {
  return index < 0 ? nullptr : reinterpret_cast<HMONITOR>(static_cast<INT_PTR>(0x5000 + index));
}

int StandInMachine::ListMonitors(MonitorInfo* monitors, int capacity) {
  int count = 0;
  for (const RECT& rect : monitorRects_) {
    if (count == capacity) break;
    MonitorInfo& monitor = monitors[count];
    monitor = MonitorInfo{};
    std::swprintf(monitor.adapterDescription, 128, L"Stand-in display %d", count + 1);
    monitor.monitor = MonitorHandle(count);
    monitor.screenRect = rect;
    monitor.adapterIndex = -1;
    ++count;
  }
  return count;
}

bool StandInMachine::MonitorRect(HMONITOR monitor, RECT* rect) {
  for (size_t i = 0; i < monitorRects_.size(); ++i) {
    if (MonitorHandle(static_cast<int>(i)) == monitor) {
      *rect = monitorRects_[i];
      return true;
    }
  }
  return false;
}

IDirect3D9* StandInMachine::CreateDirect3D() {
  if (withoutDirect3D) return nullptr;
  direct3D_->AddRef();
  return direct3D_;
}

HRESULT StandInMachine::TestCooperativeLevel(IDirect3DDevice9* device) {
  if (scriptedLevels.empty()) return device->TestCooperativeLevel();
  const HRESULT level = scriptedLevels.front();
  scriptedLevels.pop_front();
  return level;
}

ULONG StandInMachine::Direct3DReferencesHeldBySaver() const { return direct3D_->References(); }

StandInMachine OneMonitorMachine() {
  StandInAdapter adapter;
  adapter.monitor = 0;
  return StandInMachine({{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}},
                        {adapter});
}

StandInMachine MonitorsWithAnAdapterEach(std::vector<RECT> monitorRects) {
  std::vector<StandInAdapter> adapters(monitorRects.size());
  for (size_t i = 0; i < adapters.size(); ++i) adapters[i].monitor = static_cast<int>(i);
  return StandInMachine(std::move(monitorRects), std::move(adapters));
}
