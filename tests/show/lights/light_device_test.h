// The scene's device fixture with a resource manager of the test's own, so that a light's links
// resolve to textures the test made, and the calls a slide makes to start a light and draw a frame.
#pragma once

#include <memory>

#include "document/doc_res_manager.h"
#include "show/kq_2d_light.h"
#include "tests/support/scene_device_test.h"

namespace lights_testing {

class LightDeviceTest : public scene_testing::SceneDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // The link resolves to `texture` (the manager takes a reference), width x height pixels.
  void GivePicture(const KQ_ImageFileLink& link, IDirect3DTexture9* texture, UINT width,
                   UINT height);
  // The document's generated texture under `key` (the manager takes a reference).
  void GiveGuidTexture(const GuidKey& key, IDirect3DTexture9* texture);

  // What the slide does at set-up, after loading and at the start of the slide, in that order.
  void StartSlide(KQ_2D_Light& light);
  // One frame as the slide draws it, with no items.
  void DrawFrame(KQ_2D_Light& light, float t);
  // The back buffer as a PNG, for a look at what a test drew.
  void SaveBackBuffer(const wchar_t* path);

  std::unique_ptr<KQ_DocResManager> manager;
};

}  // namespace lights_testing
