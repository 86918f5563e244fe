// The document device fixture with the calls a slide without items makes on its light to start it
// and draw a frame. A test either keeps its light itself or hands it over.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "render/picture_position.h"
#include "show/kq_2d_light.h"
#include "tests/support/document_device_test.h"

namespace scene_testing {

class LightDeviceTest : public DocumentDeviceTest {
protected:
  void TearDown() override;

  // What the slide does at set-up, after loading and at the start of the slide, in that order.
  void StartSlide(KQ_2D_Light& light, int position = PositionFit);
  // The same with a light the fixture keeps until the test ends; Light() and RenderFrame use it.
  void StartSlide(std::unique_ptr<KQ_2D_Light> light, int position = PositionFit);
  // One frame as the slide draws it: move, the capture when the light needs it, the background
  // (the scene handed to items, here none) and the light's pass over the finished scene.
  void DrawFrame(KQ_2D_Light& light, float t);
  void RenderFrame(float t) { DrawFrame(Light(), t); }
  KQ_2D_Light& Light() { return *light_; }

private:
  std::unique_ptr<KQ_2D_Light> light_;
};

// Counts the pixels of `pixels` (row-major, `width` wide) inside the rectangle that `match`.
int CountPixels(const std::vector<D3DCOLOR>& pixels, UINT width, UINT left, UINT top, UINT right,
                UINT bottom, const std::function<bool(D3DCOLOR)>& match);

}  // namespace scene_testing
