// The scene's device fixture with a resource manager of the test's own, so that a light's links
// resolve to pictures the test made, and the calls a slide without items makes on its light to
// start it and draw a frame. A test either keeps its light itself or hands it over.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "document/doc_res_manager.h"
#include "render/picture_position.h"
#include "show/kq_2d_light.h"
#include "tests/support/scene_device_test.h"

namespace scene_testing {

class LightDeviceTest : public SceneDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // The link resolves to `texture` (the manager takes a reference), width x height pixels.
  void GivePicture(const FileLinkKey& link, IDirect3DTexture9* texture, UINT width, UINT height);
  // A picture of width x height whose texel (x, y) is texel(x, y), reachable through `link`.
  void ProvidePicture(const FileLinkKey& link, UINT width, UINT height,
                      const std::function<D3DCOLOR(UINT, UINT)>& texel);
  // The document's generated texture under `key` (the manager takes a reference).
  void GiveGuidTexture(const GuidKey& key, IDirect3DTexture9* texture);

  // What the slide does at set-up, after loading and at the start of the slide, in that order.
  void StartSlide(KQ_2D_Light& light, int position = PositionFit);
  // The same with a light the fixture keeps until the test ends; Light() and RenderFrame use it.
  void StartSlide(std::unique_ptr<KQ_2D_Light> light, int position = PositionFit);
  // One frame as the slide draws it: move, the capture when the light needs it, the background
  // (the scene handed to items, here none) and the light's pass over the finished scene.
  void DrawFrame(KQ_2D_Light& light, float t);
  void RenderFrame(float t) { DrawFrame(Light(), t); }
  KQ_2D_Light& Light() { return *light_; }

  // The back buffer, row-major, Width x Height.
  std::vector<D3DCOLOR> ReadBackBuffer();
  // The back buffer as a PNG under the test's working folder, to look at.
  void SaveBackBuffer(const wchar_t* name);

  std::unique_ptr<KQ_DocResManager> manager;

private:
  std::unique_ptr<KQ_2D_Light> light_;
};

// Counts the pixels of `pixels` (row-major, `width` wide) inside the rectangle that `match`.
int CountPixels(const std::vector<D3DCOLOR>& pixels, UINT width, UINT left, UINT top, UINT right,
                UINT bottom, const std::function<bool(D3DCOLOR)>& match);

}  // namespace scene_testing
