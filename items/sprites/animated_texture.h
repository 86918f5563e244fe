// A geometry together with the frames of its image and a clock that steps through them: an
// animated image shows each frame for at least its own time (in the item's scaled seconds), and
// a frame that is overdue moves on by one frame only. A single image has no frame times and
// never changes.
#pragma once

#include <d3d9.h>

#include <cstdint>

#include "document/texture_list.h"

template <class Geometry>
class AnimatedTexture : public Geometry {
public:
  // Moves to the next frame when the current one has been shown for its time; true when it did.
  bool AdvanceFrame(float scaledTime) {
    const auto& times = frames.frameTimes;
    if (times.empty()) return false;
    if (scaledTime - frameSwitchTime > times[frameIndex]) {
      frameSwitchTime = scaledTime;
      frameIndex = static_cast<uint32_t>((frameIndex + 1) % times.size());
      return true;
    }
    return false;
  }

  // The current frame's texture (borrowed), or null without frames. A list may hold fewer
  // frames than frame times; the frames then repeat.
  IDirect3DTexture9* CurrentFrameTexture() const {
    if (frames.frames.empty()) return nullptr;
    return frames.frames[frameIndex % frames.frames.size()].Get();
  }

  TextureList frames;          // a copy of the image link's list: a reference per frame
  uint32_t frameIndex = 0;
  float frameSwitchTime = 0;   // scaled time of the last frame change
};
