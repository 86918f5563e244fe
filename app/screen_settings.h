// The display settings of each monitor in the registry: one subkey "Screen <n>" per monitor
// that has an adapter (n = its place in the monitor list + 1), tied to the adapter they were
// chosen for, plus "AllScreensSame" directly under the settings key.
#pragma once

#include "app/d3d_screensaver.h"

// Reads the values under the open settings key into the saver's adapter records. The mode and
// the hardware switch are taken only when they were saved for this adapter (or for none);
// "Leave Black" always. A missing or malformed value leaves its field as it was.
void ReadScreenSettings(HKEY settingsKey, CD3DScreensaver& saver);
// Writes every monitor's values and "AllScreensSame" under the open settings key.
void WriteScreenSettings(const CD3DScreensaver& saver, HKEY settingsKey);
// Writes the full-screen mode and the adapter it was chosen for, for one monitor.
void WriteScreenMode(const CD3DScreensaver& saver, HKEY settingsKey, int monitorIndex);
