// One texture with the pixel size of the image it was made from (the texture itself may be
// larger, padded to powers of two). The entry holds one reference of its own: copies share the
// texture with a reference each, and the entry gives its reference back when it goes.
#pragma once

#include <d3dx9tex.h>

#include "render/com_holder.h"

struct TextureEntry {
  TextureEntry() = default;
  // Shares `picture` (a reference added; null gives an entry without texture).
  TextureEntry(IDirect3DTexture9* picture, UINT pictureWidth, UINT pictureHeight,
               float pictureAspect)
      : width(pictureWidth), height(pictureHeight), aspect(pictureAspect) {
    texture.Share(picture);
  }

  // texture := `picture` (a reference added, the old one released); the size from the image
  // information, aspect height / width (1.0 for an image without width, never infinite).
  void Set(const D3DXIMAGE_INFO& imageInfo, IDirect3DTexture9* picture);

  ComHolder<IDirect3DTexture9> texture;
  UINT width = 0;
  UINT height = 0;
  float aspect = 1.0f;  // height / width
};
