// A device with a document resource manager over the real content pack, and a slide that plays
// one light through the calls the show makes: set-up, picture position, start, then frames of
// move and render. Tests hand the light a picture of their own and read the whole back buffer.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "document/doc_res_manager.h"
#include "render/picture_position.h"
#include "show/kq_slide_container.h"
#include "tests/support/scene_device_test.h"

namespace scene_testing {

class LightDeviceTest : public SceneDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A picture of width x height whose texel (x, y) is texel(x, y), reachable through `link`.
  void ProvidePicture(const FileLinkKey& link, UINT width, UINT height,
                      const std::function<D3DCOLOR(UINT, UINT)>& texel);
  // The slide's set-up and start with `light`, in picture position `position`.
  void StartSlide(std::unique_ptr<KQ_2D_Light> light, int position = PositionFit);
  // One frame at show time t: move, then the slide's render and the light's effect pass.
  void RenderFrame(float t);

  // The back buffer, row-major, Width x Height.
  std::vector<D3DCOLOR> ReadBackBuffer();
  // The back buffer as a PNG under the test's working folder, to look at.
  void SaveBackBuffer(const wchar_t* name);

  KQ_2D_Light& Light() { return *slide_->GetLight().Get(); }

  std::unique_ptr<KQ_DocResManager> manager;

private:
  std::unique_ptr<KQ_SlideContainer> slide_;
};

// Counts the pixels of `pixels` (row-major, `width` wide) inside the rectangle that `match`.
int CountPixels(const std::vector<D3DCOLOR>& pixels, UINT width, UINT left, UINT top, UINT right,
                UINT bottom, const std::function<bool(D3DCOLOR)>& match);

}  // namespace scene_testing
