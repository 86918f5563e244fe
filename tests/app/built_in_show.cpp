#include "tests/app/built_in_show.h"

#include <typeinfo>

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

std::vector<BuiltInSlide> BuiltInSlides(IDirect3DDevice9* device) {
  CurrentDevice = device;
  const ProjectDocument document = LoadProjectDocument();
  std::vector<BuiltInSlide> slides;
  for (const auto& slide : document.root->Slides()) {
    // Only a prepared slide has its items.
    slide->InitSlide();
    const KQ_2D_Light& light = *slide->GetLight().Get();
    const std::wstring& name = slide->name.Get();
    slides.push_back({std::string(name.begin(), name.end()), slide->Durations(),
                      light.pictureLink.Key(),
                      typeid(light) != typeid(KQ_2D_Light) || !slide->Items().empty()});
  }
  return slides;
}

double LitShare(const std::vector<D3DCOLOR>& pixels) {
  size_t lit = 0;
  for (D3DCOLOR pixel : pixels) lit += !testing_support::ColorNear(pixel, 0xFF000000, 16);
  return pixels.empty() ? 0 : static_cast<double>(lit) / pixels.size();
}

double SameShare(const std::vector<D3DCOLOR>& before, const std::vector<D3DCOLOR>& after) {
  if (before.size() != after.size() || before.empty()) return 0;
  size_t same = 0;
  for (size_t i = 0; i < before.size(); ++i) {
    same += testing_support::ColorNear(after[i], before[i], 24);
  }
  return static_cast<double>(same) / before.size();
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
