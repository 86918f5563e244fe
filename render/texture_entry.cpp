#include "render/texture_entry.h"

void TextureEntry::Set(const D3DXIMAGE_INFO& imageInfo, IDirect3DTexture9* picture) {
  texture.Share(picture);
  width = imageInfo.Width;
  height = imageInfo.Height;
  aspect = width != 0 ? static_cast<float>(height) / static_cast<float>(width) : 1.0f;
}
