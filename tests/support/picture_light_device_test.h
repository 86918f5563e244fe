// The document device fixture with a plain light that shows a picture of the test's own, for
// items drawn over known texels as a slide draws them.
#pragma once

#include <memory>

#include "items/kq_abobj.h"
#include "tests/support/document_device_test.h"
#include "tests/support/picture_light.h"

namespace scene_testing {

class PictureLightDeviceTest : public DocumentDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // The light shows `picture` over the whole back buffer, ready for a slide's first frame.
  void ShowPicture(IDirect3DTexture9* picture);
  // One frame over `background`: the picture, then the item.
  void DrawOverPicture(KQ_ABObj& item, D3DCOLOR background);

  std::unique_ptr<PictureLight> light;
};

}  // namespace scene_testing
