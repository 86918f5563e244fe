// The frames the show's slides are measured against, on the same device in the same run: the
// one-picture floor (one full-screen 1024x768 picture with linear filtering, the least any
// picture slide draws) and the empty frame (clear and present).
#pragma once

#include <d3d9.h>

#include "render/textured_quad.h"
#include "tools/benchmark/offscreen_device.h"

// The floor a frame at a time, so it can be drawn between the show's frames: a slide then meets a
// floor measured at the same moment, and a machine whose load changes during the run moves both.
class OnePictureFrame {
public:
  explicit OnePictureFrame(OffscreenDevice& offscreen);
  OnePictureFrame(const OnePictureFrame&) = delete;
  OnePictureFrame& operator=(const OnePictureFrame&) = delete;

  // Clears, draws the picture, presents and waits for the device; returns the milliseconds that
  // took. The device's state is afterwards what it was before, so the show's next frame is as if
  // this one had not been drawn.
  double Play();

private:
  OffscreenDevice& offscreen_;
  TexturedQuad quad_;
};

// Each the median of a few hundred frames, in milliseconds.
double OnePictureFrameMilliseconds(OffscreenDevice& offscreen);
double EmptyFrameMilliseconds(OffscreenDevice& offscreen);
