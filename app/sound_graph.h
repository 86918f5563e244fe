// Background music through one DirectShow filter graph per process. The graph plays one file
// at a time and reports the end of a file to the main window as WM_APP.
#pragma once

#include <windows.h>

#include <string>

// Creates the graph, notifying `window` with WM_APP; FALSE when there is none.
BOOL InitSoundGraph(HWND window);
// Stops and releases the graph (before a device reset and at the end).
void ReleaseSoundGraph();
// One pending event code of the graph, -1 when there is none.
int PollSoundEvent();

// Stops what plays and plays `path` from its start at `volume` (hundredths of a decibel, 0 full,
// -10000 silent); the volume is set before the graph runs. False, with the graph left empty,
// when there is no graph or the file cannot be played.
bool PlaySoundFile(const std::wstring& path, long volume);
