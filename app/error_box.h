// Motion of the error text box: it starts centred and drifts at a speed set by the area's
// size, bouncing off the area's edges. Pure arithmetic, so the saver loop only repaints.
#pragma once

#include <windows.h>

#include "app/saver_records.h"

constexpr float ErrorBoxWidth = 300.0f;
constexpr float ErrorBoxHeight = 150.0f;

// The first placement in `area`: the whole area for the preview, else a centred 300 x 150 box.
ErrorBox PlaceErrorBox(const RECT& area, bool preview);

// Moves the box by `step` seconds inside `area`; returns true when its whole-pixel position
// changed (only then does the window need repainting). The old and new rectangles come back
// for invalidation.
bool MoveErrorBox(ErrorBox& box, const RECT& area, float step, RECT* oldRect, RECT* newRect);

// The box's rectangle with each coordinate truncated.
RECT ErrorBoxRect(const ErrorBox& box);

// Seconds between two timeGetTime readings, correct across the 32-bit wrap.
float ErrorBoxStep(DWORD previous, DWORD now);
