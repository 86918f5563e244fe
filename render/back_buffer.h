// The size and format of back buffer 0 of the current device: every back-buffer size the scene
// code uses comes from here.
#pragma once

#include <d3d9.h>

// Fills `out` (all zero when the device has no back buffer) and returns it.
D3DSURFACE_DESC& GetBackBufferDesc(D3DSURFACE_DESC& out);
