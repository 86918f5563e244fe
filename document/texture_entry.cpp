#include "document/texture_entry.h"

#include "document/texture_list.h"

void TextureEntry::Set(const D3DXIMAGE_INFO& imageInfo, IDirect3DTexture9* picture) {
  ShareReference(&texture, picture);
  width = imageInfo.Width;
  height = imageInfo.Height;
  aspect = width != 0 ? static_cast<float>(height) / static_cast<float>(width) : 1.0f;
}

TextureEntry TextureEntry::FromTextureList(const TextureList& list) {
  if (!list.HasFrames()) return TextureEntry();
  return TextureEntry(list.frames.front().Get(), static_cast<UINT>(list.width),
                      static_cast<UINT>(list.height), list.aspect);
}
