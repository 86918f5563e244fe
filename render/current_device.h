// The device of the monitor being processed. The application sets it when it selects a monitor;
// every scene object creates and draws its device objects on it.
#pragma once

#include <d3d9.h>

extern IDirect3DDevice9* CurrentDevice;
