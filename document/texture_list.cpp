#include "document/texture_list.h"

void TextureList::AppendFrame(const TextureEntry& entry) {
  frames.emplace_back();
  frames.back().Share(entry.texture.Get());
  width = static_cast<int32_t>(entry.width);
  height = static_cast<int32_t>(entry.height);
  aspect = entry.aspect;
}

TextureEntry TextureList::FirstFrameEntry() const {
  if (!HasFrames()) return TextureEntry();
  return TextureEntry(FirstFrame(), static_cast<UINT>(width), static_cast<UINT>(height), aspect);
}
