// The built-in show as the tests that play it on real devices see it: its slide timings, and
// how much of a frame read back from a unit's device it lights.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <vector>

#include "show/slide_timing.h"

// The built-in show's slide timings, from a copy loaded on `device` and dropped again.
std::vector<SlideDurations> BuiltInSlideDurations(IDirect3DDevice9* device);

// The share of pixels that are not black.
double LitShare(const std::vector<D3DCOLOR>& pixels);

// The pixels of `rect` in a frame `width` pixels wide, row by row.
std::vector<D3DCOLOR> PixelsIn(const std::vector<D3DCOLOR>& frame, LONG width, const RECT& rect);
