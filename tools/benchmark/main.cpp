// The cost of the saver's frame: the built-in show (this program's resource "DDS" 107, as the
// saver carries it) is loaded and played by the saver's own screen player on an offscreen device,
// and the median of a fixed number of frames is set beside the median of empty frames (clear
// and present) on the same device. The frames lie half a second of show time apart, so every
// slide and its effects get their share of a few minutes of show in a few hundred frames.
// Usage: benchmark_show
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/exception_code.h"
#include "app/screen_player.h"
#include "tools/benchmark/offscreen_device.h"

namespace {

constexpr int MeasuredFrames = 360;
constexpr float ShowTimeBetweenFrames = 0.5f;  // seconds

struct ScreenSize {
  UINT width, height;
};

const ScreenSize ScreenSizes[] = {{1024, 768}, {1920, 1080}};

class Stopwatch {
public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

private:
  LARGE_INTEGER frequency_, start_;
};

// The median of MeasuredFrames runs of `frame`, each ended by a present that waits for the device.
template <class Frame>
double MedianFrameMilliseconds(OffscreenDevice& offscreen, Frame frame) {
  std::vector<double> costs;
  for (int i = 0; i < MeasuredFrames; ++i) {
    const Stopwatch stopwatch;
    frame(i);
    offscreen.PresentAndFinish();
    costs.push_back(stopwatch.Milliseconds());
  }
  std::sort(costs.begin(), costs.end());
  const size_t middle = costs.size() / 2;
  return costs.size() % 2 ? costs[middle] : (costs[middle - 1] + costs[middle]) / 2;
}

struct Figures {
  double load, showFrame, emptyFrame;  // milliseconds
};

HRESULT Measure(const ScreenSize& size, Figures* figures) {
  OffscreenDevice offscreen(size.width, size.height);
  if (FAILED(offscreen.Status())) return offscreen.Status();
  IDirect3DDevice9* device = offscreen.Device();

  ScreenPlayer player(CreateShowPlayback());
  player.Select(device);
  const Stopwatch loading;
  HRESULT hr = player.StartScene();
  figures->load = loading.Milliseconds();
  if (SUCCEEDED(hr)) {
    try {
      figures->showFrame = MedianFrameMilliseconds(offscreen, [&](int i) {
        player.FrameMove(static_cast<float>(i) * ShowTimeBetweenFrames);
        player.Render();
      });
      figures->emptyFrame = MedianFrameMilliseconds(offscreen, [&](int) {
        device->BeginScene();
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
        device->EndScene();
      });
    } catch (...) {
      hr = CodeOfCurrentException();
    }
  }
  player.ReleaseDeviceObjects();
  return hr;
}

}  // namespace

int wmain() {
  std::printf("The built-in show, %d frames offscreen on a Direct3D 9 HAL device "
              "(median milliseconds per frame)\n\n",
              MeasuredFrames);
  std::printf("%-11s %12s %13s %15s\n", "back buffer", "show frame", "empty frame",
              "document load");
  for (const ScreenSize& size : ScreenSizes) {
    Figures figures = {};
    const HRESULT hr = Measure(size, &figures);
    char name[16];
    std::snprintf(name, sizeof name, "%ux%u", size.width, size.height);
    if (FAILED(hr)) {
      std::printf("%-11s failed: 0x%08lX\n", name, static_cast<unsigned long>(hr));
      return 1;
    }
    std::printf("%-11s %9.2f ms %10.2f ms %12.1f ms\n", name, figures.showFrame,
                figures.emptyFrame, figures.load);
  }
  return 0;
}
