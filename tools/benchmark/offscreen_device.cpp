#include "tools/benchmark/offscreen_device.h"

#include "render/com_references.h"

namespace {

const wchar_t* const WindowClassName = L"BrindlewickBenchmark";

HWND CreateHiddenWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = WindowClassName;
  RegisterClassW(&windowClass);
  return CreateWindowW(WindowClassName, L"benchmark", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                       instance, nullptr);
}

// The vertex processing the saver picks first on such a device.
DWORD BehaviorFlags(const D3DCAPS9& caps) {
  if (!(caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT)) return D3DCREATE_SOFTWARE_VERTEXPROCESSING;
  DWORD flags = D3DCREATE_HARDWARE_VERTEXPROCESSING;
  if (caps.DevCaps & D3DDEVCAPS_PUREDEVICE) flags |= D3DCREATE_PUREDEVICE;
  return flags;
}

}  // namespace

OffscreenDevice::OffscreenDevice(UINT width, UINT height) : status_(Create(width, height)) {}

HRESULT OffscreenDevice::Create(UINT width, UINT height) {
  window_ = CreateHiddenWindow();
  if (!window_) return HRESULT_FROM_WIN32(GetLastError());
  direct3D_ = Direct3DCreate9(D3D_SDK_VERSION);
  if (!direct3D_) return E_FAIL;
  D3DCAPS9 caps;
  HRESULT hr = direct3D_->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps);
  if (FAILED(hr)) return hr;

  D3DPRESENT_PARAMETERS pp = {};
  pp.BackBufferWidth = width;
  pp.BackBufferHeight = height;
  pp.BackBufferFormat = D3DFMT_X8R8G8B8;
  pp.BackBufferCount = 1;
  pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
  pp.hDeviceWindow = window_;
  pp.Windowed = TRUE;
  pp.EnableAutoDepthStencil = TRUE;
  pp.AutoDepthStencilFormat = D3DFMT_D24S8;
  // No wait for a vertical retrace: the frame's own cost is measured.
  pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
  hr = direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_, BehaviorFlags(caps),
                               &pp, &device_);
  if (FAILED(hr)) return hr;
  return device_->CreateQuery(D3DQUERYTYPE_EVENT, &finished_);
}

OffscreenDevice::~OffscreenDevice() {
  ReleaseAndNull(&finished_);
  ReleaseAndNull(&device_);
  ReleaseAndNull(&direct3D_);
  if (window_) DestroyWindow(window_);
}

void OffscreenDevice::PresentAndFinish() {
  device_->Present(nullptr, nullptr, nullptr, nullptr);
  Finish();
}

void OffscreenDevice::Finish() {
  finished_->Issue(D3DISSUE_END);
  while (finished_->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE) {
  }
}
