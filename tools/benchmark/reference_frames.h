// The frames the show's slides are measured against, on the same device in the same run: the
// one-picture floor (one full-screen 1024x768 picture with linear filtering, the least any
// picture slide draws) and the empty frame (clear and present).
#pragma once

#include "tools/benchmark/offscreen_device.h"

// Each the median of a few hundred frames, in milliseconds.
double OnePictureFrameMilliseconds(OffscreenDevice& offscreen);
double EmptyFrameMilliseconds(OffscreenDevice& offscreen);
