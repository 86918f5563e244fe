// A windowed Direct3D 9 HAL device for tests that draw and read pixels back.
// Under Wine it runs on Mesa's software renderer, so no GPU is needed.
#pragma once

#include <windows.h>
#include <d3d9.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace testing_support {

// Each test gets a fresh device whose back buffer is Width x Height, X8R8G8B8.
class DeviceTest : public ::testing::Test {
protected:
  static constexpr UINT Width = 256;
  static constexpr UINT Height = 256;

  void SetUp() override;
  void TearDown() override;

  // The back buffer's colour at (x, y), read through a system-memory copy of the render target.
  D3DCOLOR ReadPixel(UINT x, UINT y);
  // The render target's colours without alpha, row-major, read back in one copy.
  std::vector<D3DCOLOR> ReadBackBuffer();
  // The same at every `step`-th pixel of every `step`-th row from (firstX, firstY), row-major,
  // from one copy: each ReadPixel waits for the device by itself, and a grid of them waits
  // thousands of times, for minutes when the machine is busy.
  std::vector<D3DCOLOR> ReadProbeGrid(UINT step, UINT firstX = 0, UINT firstY = 0);
  // The render target as a PNG under the test's working folder, to look at.
  void SaveBackBuffer(const wchar_t* name);
  // Clears the back buffer to one colour.
  void Clear(D3DCOLOR color);

  IDirect3D9* d3d = nullptr;
  IDirect3DDevice9* device = nullptr;
  HWND window = nullptr;
};

// The device's render target 0 without alpha, row-major, read back in one copy; empty when it
// cannot be read.
std::vector<D3DCOLOR> ReadRenderTarget(IDirect3DDevice9* device);

// A managed A8R8G8B8 texture on `device` whose texel (x, y) is texel(x, y); null (and a test
// failure) when it cannot be made.
IDirect3DTexture9* MakeManagedTexture(IDirect3DDevice9* device, UINT width, UINT height,
                                      const std::function<D3DCOLOR(UINT, UINT)>& texel);

// True when red, green and blue each differ by at most `tolerance` (the back buffer has no alpha).
bool ColorNear(D3DCOLOR actual, D3DCOLOR expected, int tolerance);

// Prints a colour as 0xAARRGGBB in failure messages.
std::string DescribeColor(D3DCOLOR color);

}  // namespace testing_support

#define EXPECT_COLOR_NEAR(actual, expected, tolerance)                                      \
  EXPECT_PRED_FORMAT3(::testing_support::AssertColorNear, actual, expected, tolerance)

namespace testing_support {
::testing::AssertionResult AssertColorNear(const char* actual_expr, const char* expected_expr,
                                           const char* tolerance_expr, D3DCOLOR actual,
                                           D3DCOLOR expected, int tolerance);
}
