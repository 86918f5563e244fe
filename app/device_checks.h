// The checks a device type must pass for an adapter format: a vertex-processing behaviour the
// application accepts, and a depth-stencil format.
#pragma once

#include "app/d3d_screensaver.h"

// The first accepted behaviour of the ladder pure-hardware, hardware, mixed, software
// (the hardware rungs only with hardware transform and lighting).
bool ChooseBehaviorFlags(CD3DScreensaver& saver, const D3DCAPS9& caps, D3DFORMAT format,
                         DWORD* behaviorFlags);

// The first depth-stencil format the saver's minimum depth and stencil bits allow that the
// device supports with `format`.
bool PickDepthFormat(CD3DScreensaver& saver, UINT adapter, D3DDEVTYPE type, D3DFORMAT format,
                     D3DFORMAT* depthFormat);
