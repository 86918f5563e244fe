// The display-settings dialog: per monitor, the full-screen mode, hardware rendering off, or
// leave the monitor black. It edits the adapter records in memory; the settings dialog stores
// them. Cancel puts back every monitor's choices as they were when it opened.
#pragma once

#include "app/d3d_screensaver.h"

// Dialog 200 (one adapter: no tabs) or 201 (a tab per monitor), owned by `owner`.
void ShowDisplaySettings(CD3DScreensaver& saver, HWND owner);
