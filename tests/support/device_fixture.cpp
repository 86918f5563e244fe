#include "tests/support/device_fixture.h"

#include <d3dx9tex.h>

#include <cstdio>
#include <cstdlib>

namespace testing_support {
namespace {

const wchar_t* const WindowClassName = L"BrindlewickDeviceTest";

HWND CreateTestWindow(UINT width, UINT height) {
  static bool registered = false;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = WindowClassName;
    RegisterClassW(&wc);
    registered = true;
  }
  RECT rect = {0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
  AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
  return CreateWindowW(WindowClassName, L"device test", WS_OVERLAPPEDWINDOW, 0, 0,
                       rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance,
                       nullptr);
}

int Channel(D3DCOLOR color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

}  // namespace

void DeviceTest::SetUp() {
  window = CreateTestWindow(Width, Height);
  // The test command always provides a display, so a missing device is a broken set-up, not a skip.
  if (!window) FAIL() << "no window could be created (is DISPLAY set?)";
  d3d = Direct3DCreate9(D3D_SDK_VERSION);
  if (!d3d) FAIL() << "Direct3DCreate9 failed";

  D3DPRESENT_PARAMETERS pp = {};
  pp.Windowed = TRUE;
  pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
  pp.BackBufferWidth = Width;
  pp.BackBufferHeight = Height;
  pp.BackBufferFormat = D3DFMT_X8R8G8B8;
  pp.EnableAutoDepthStencil = TRUE;
  pp.AutoDepthStencilFormat = D3DFMT_D24S8;
  pp.hDeviceWindow = window;
  pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
  HRESULT hr = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                 D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &device);
  if (FAILED(hr)) FAIL() << "CreateDevice failed: 0x" << std::hex << hr;
}

void DeviceTest::TearDown() {
  if (device) device->Release();
  if (d3d) d3d->Release();
  if (window) DestroyWindow(window);
  device = nullptr;
  d3d = nullptr;
  window = nullptr;
}

void DeviceTest::Clear(D3DCOLOR color) {
  device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, color, 1.0f, 0);
}

D3DCOLOR DeviceTest::ReadPixel(UINT x, UINT y) {
  IDirect3DSurface9* target = nullptr;
  IDirect3DSurface9* copy = nullptr;
  D3DCOLOR result = 0;
  if (SUCCEEDED(device->GetRenderTarget(0, &target))) {
    D3DSURFACE_DESC desc;
    target->GetDesc(&desc);
    if (x < desc.Width && y < desc.Height &&
        SUCCEEDED(device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format,
                                                      D3DPOOL_SYSTEMMEM, &copy, nullptr)) &&
        SUCCEEDED(device->GetRenderTargetData(target, copy))) {
      D3DLOCKED_RECT locked;
      if (SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        const BYTE* row = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch;
        result = reinterpret_cast<const D3DCOLOR*>(row)[x];
        copy->UnlockRect();
      }
    }
  }
  if (copy) copy->Release();
  if (target) target->Release();
  return result;
}

std::vector<D3DCOLOR> DeviceTest::ReadBackBuffer() { return ReadRenderTarget(device); }

std::vector<D3DCOLOR> DeviceTest::ReadProbeGrid(UINT step, UINT firstX, UINT firstY) {
  const std::vector<D3DCOLOR> frame = ReadBackBuffer();
  std::vector<D3DCOLOR> probes;
  if (frame.size() != Width * Height) {
    ADD_FAILURE() << "the render target could not be read back";
    return probes;
  }
  for (UINT y = firstY; y < Height; y += step)
    for (UINT x = firstX; x < Width; x += step) probes.push_back(frame[y * Width + x]);
  return probes;
}

std::vector<D3DCOLOR> ReadRenderTarget(IDirect3DDevice9* device) {
  std::vector<D3DCOLOR> pixels;
  IDirect3DSurface9* target = nullptr;
  IDirect3DSurface9* copy = nullptr;
  D3DSURFACE_DESC desc;
  D3DLOCKED_RECT locked;
  if (SUCCEEDED(device->GetRenderTarget(0, &target)) && SUCCEEDED(target->GetDesc(&desc)) &&
      SUCCEEDED(device->CreateOffscreenPlainSurface(desc.Width, desc.Height, D3DFMT_X8R8G8B8,
                                                    D3DPOOL_SYSTEMMEM, &copy, nullptr)) &&
      SUCCEEDED(device->GetRenderTargetData(target, copy)) &&
      SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
    pixels.reserve(desc.Width * desc.Height);
    for (UINT y = 0; y < desc.Height; ++y) {
      const D3DCOLOR* row = reinterpret_cast<const D3DCOLOR*>(
          static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
      for (UINT x = 0; x < desc.Width; ++x) pixels.push_back(row[x] & 0x00FFFFFF);
    }
    copy->UnlockRect();
  }
  if (copy) copy->Release();
  if (target) target->Release();
  return pixels;
}

void DeviceTest::SaveBackBuffer(const wchar_t* name) {
  IDirect3DSurface9* target = nullptr;
  device->GetRenderTarget(0, &target);
  if (target) {
    D3DXSaveSurfaceToFileW(name, D3DXIFF_PNG, target, nullptr, nullptr);
    target->Release();
  }
}

IDirect3DTexture9* MakeManagedTexture(IDirect3DDevice9* device, UINT width, UINT height,
                                      const std::function<D3DCOLOR(UINT, UINT)>& texel) {
  IDirect3DTexture9* texture = nullptr;
  if (FAILED(device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                   &texture, nullptr))) {
    ADD_FAILURE() << "CreateTexture failed";
    return nullptr;
  }
  D3DLOCKED_RECT locked;
  texture->LockRect(0, &locked, nullptr, 0);
  for (UINT y = 0; y < height; ++y) {
    D3DCOLOR* row = reinterpret_cast<D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
    for (UINT x = 0; x < width; ++x) row[x] = texel(x, y);
  }
  texture->UnlockRect(0);
  return texture;
}

bool ColorNear(D3DCOLOR actual, D3DCOLOR expected, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) return false;
  }
  return true;
}

std::string DescribeColor(D3DCOLOR color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(color));
  return text;
}

::testing::AssertionResult AssertColorNear(const char* actual_expr, const char* expected_expr,
                                           const char*, D3DCOLOR actual, D3DCOLOR expected,
                                           int tolerance) {
  if (ColorNear(actual, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << actual_expr << " is " << DescribeColor(actual) << ", expected " << expected_expr
         << " = " << DescribeColor(expected) << " within " << tolerance << " per channel";
}

}  // namespace testing_support
