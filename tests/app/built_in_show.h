// The built-in show as the tests that play it on real devices see it: its slides, and how much
// of a frame read back from a unit's device it lights or keeps.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <string>
#include <vector>

#include "document/file_link_key.h"
#include "show/slide_timing.h"

// The built-in show's slide timings, from a copy loaded on `device` and dropped again.
std::vector<SlideDurations> BuiltInSlideDurations(IDirect3DDevice9* device);

struct BuiltInSlide {
  std::string name;
  SlideDurations durations;
  FileLinkKey picture;    // its light's
  bool drawsOverPicture;  // through an effect light, or with items
};

// The built-in show's slides, from a copy loaded and prepared on `device` and dropped again.
std::vector<BuiltInSlide> BuiltInSlides(IDirect3DDevice9* device);

// The share of pixels that are not black.
double LitShare(const std::vector<D3DCOLOR>& pixels);

// The share of pixels of `after` close to the same pixel of `before`.
double SameShare(const std::vector<D3DCOLOR>& before, const std::vector<D3DCOLOR>& after);

// The pixels of `rect` in a frame `width` pixels wide, row by row.
std::vector<D3DCOLOR> PixelsIn(const std::vector<D3DCOLOR>& frame, LONG width, const RECT& rect);
