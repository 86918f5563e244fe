// The frames of an image link: one texture for a picture, several with their display times for
// an animated one. Every frame holds a reference (a frame may be null when its image could not
// be made); copying a list adds a reference per frame.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <vector>

#include "render/com_holder.h"
#include "render/texture_entry.h"

struct TextureList {
  // A list with at least one frame is final, even when its frames are null.
  bool HasFrames() const { return !frames.empty(); }
  // Appends the entry's texture (a reference of its own, null too) and takes its size and aspect.
  void AppendFrame(const TextureEntry& entry);
  // Frame 0, borrowed (the list keeps its reference); null for a list without frames.
  IDirect3DTexture9* FirstFrame() const { return HasFrames() ? frames.front().Get() : nullptr; }
  // Frame 0 (a reference of its own) with the list's size and aspect; the default entry for a
  // list without frames.
  TextureEntry FirstFrameEntry() const;

  std::vector<ComHolder<IDirect3DTexture9>> frames;
  std::vector<float> frameTimes;  // seconds per frame; may be fewer or more than the frames
  int32_t width = 0;              // of the last frame made
  int32_t height = 0;
  float aspect = 1.0f;            // height / width
};
