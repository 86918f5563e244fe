#include "tests/app/built_in_show.h"

#include "render/current_device.h"
#include "show/project_document.h"
#include "tests/support/device_fixture.h"

std::vector<SlideDurations> BuiltInSlideDurations(IDirect3DDevice9* device) {
  CurrentDevice = device;
  const ProjectDocument document = LoadProjectDocument();
  std::vector<SlideDurations> durations;
  for (const auto& slide : document.root->Slides()) durations.push_back(slide->Durations());
  return durations;
}

double LitShare(const std::vector<D3DCOLOR>& pixels) {
  size_t lit = 0;
  for (D3DCOLOR pixel : pixels) lit += !testing_support::ColorNear(pixel, 0xFF000000, 16);
  return pixels.empty() ? 0 : static_cast<double>(lit) / pixels.size();
}

std::vector<D3DCOLOR> PixelsIn(const std::vector<D3DCOLOR>& frame, LONG width, const RECT& rect) {
  std::vector<D3DCOLOR> pixels;
  for (LONG y = rect.top; y < rect.bottom; ++y) {
    for (LONG x = rect.left; x < rect.right; ++x) {
      pixels.push_back(frame[static_cast<size_t>(y * width + x)]);
    }
  }
  return pixels;
}
