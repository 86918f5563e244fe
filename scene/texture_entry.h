// One texture with the pixel size of the image it was made from (the texture itself may be
// larger). The entry holds one reference; its owner releases it.
#pragma once

#include <d3d9.h>

struct TextureEntry {
  IDirect3DTexture9* texture = nullptr;
  UINT width = 0;
  UINT height = 0;
  float aspect = 1.0f;  // height / width
};
