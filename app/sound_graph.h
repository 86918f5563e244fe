// Background music through one DirectShow graph. Until the sound issue lands these do nothing:
// the saver plays silently, and these are the points where the graph plugs in.
#pragma once

#include <windows.h>

// Creates the graph, notifying `window` with WM_APP; FALSE when there is none.
BOOL InitSoundGraph(HWND window);
// Stops and releases the graph (before a device reset and at the end).
void ReleaseSoundGraph();
// One pending event code of the graph, -1 when there is none.
int PollSoundEvent();
