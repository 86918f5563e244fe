// The scene's device fixture with a document resource manager of the test's own, made current,
// so that the links of lights and items resolve to textures the test made.
#pragma once

#include <functional>
#include <memory>

#include "document/doc_res_manager.h"
#include "tests/support/scene_device_test.h"

namespace scene_testing {

class DocumentDeviceTest : public SceneDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // The link resolves to `texture` alone (the manager takes a reference), width x height pixels.
  void GivePicture(const FileLinkKey& link, IDirect3DTexture9* texture, UINT width, UINT height);
  // A picture of width x height whose texel (x, y) is texel(x, y), reachable through `link`.
  void ProvidePicture(const FileLinkKey& link, UINT width, UINT height,
                      const std::function<D3DCOLOR(UINT, UINT)>& texel);
  // The document's generated texture under `key` (the manager takes a reference).
  void GiveGuidTexture(const GuidKey& key, IDirect3DTexture9* texture);

  std::unique_ptr<KQ_DocResManager> manager;
};

}  // namespace scene_testing
