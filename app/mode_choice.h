// The choices behind device creation that need no device: the order of a mode list, the
// full-screen mode of a device, the step down after a failed mode, and the adapter of a
// windowed device.
#pragma once

#include "app/saver_records.h"

// Width ascending, then height ascending, then format descending.
int CompareModes(const ModeEntry& a, const ModeEntry& b);

// The mode index a full-screen device starts with: the stored user mode when the device has
// it, else the automatic choice (software: the widest mode of the smallest height other than
// 400; hardware: the first mode of the desktop's size), else the first mode.
UINT ChooseFullScreenMode(const DeviceInfo& device, const AdapterInfo& adapter);

// Moves the chosen mode to the largest area strictly below the current one (the first of
// equal areas); false when there is none.
bool NextLowerMode(DeviceInfo& device);

// The adapter for a windowed device: that of the first monitor whose adapter has a usable HAL
// device, else that of the last monitor whose adapter has a usable software device, else -1.
int PickWindowedAdapter(const MonitorInfo* monitors, int monitorCount,
                        AdapterInfo* const* adapters, int adapterCount);
