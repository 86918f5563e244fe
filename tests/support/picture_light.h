// The plain light showing a picture of the test's own instead of its linked one, for item tests
// that draw over a picture of known texels.
#pragma once

#include "show/kq_2d_light.h"

namespace scene_testing {

class PictureLight : public KQ_2D_Light {
public:
  void UsePicture(IDirect3DTexture9* texture, UINT width, UINT height) {
    pictureQuad_.entry = TextureEntry(texture, width, height, static_cast<float>(height) / width);
    pictureQuad_.SetPicture(pictureQuad_.entry);
    // What the items see as the scene while nothing is captured.
    ShareReference(&sceneTexture_, texture);
  }
};

}  // namespace scene_testing
