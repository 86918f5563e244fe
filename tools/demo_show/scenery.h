// What the demo show's pictures are painted from: a sky with its sun, glow and clouds, ranges of
// hills and mountains fading into the distance, and calm water mirroring what stands above it.
// Coordinates are in picture heights: x from 0 to width / height, y from 0 (top) to 1 (bottom).
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/pack_images/colour.h"
#include "tools/pack_images/image.h"
#include "tools/pack_images/noise.h"
#include "tools/pack_images/shape_math.h"

namespace demo_show {

using pack_images::Image;
using pack_images::Rgba;
using pack_images::Vec2;

constexpr int PictureWidth = 1024;
constexpr int PictureHeight = 768;

// A fraction in 0..1 fixed for the lattice point (i, j) and the seed: for scattering trees,
// flowers and reeds.
float Random01(int i, int j, uint32_t seed);

// Paints a demo picture: shade(x, y) in picture heights, alpha ignored.
template <class Shade>
Image Paint(Shade shade) {
  Image image(PictureWidth, PictureHeight);
  image.Paint([&](float px, float py) {
    return pack_images::WithAlpha(shade(px / PictureHeight, py / PictureHeight), 1.0f);
  });
  return image;
}

struct Sky {
  std::vector<Rgba> ramp;   // from the top of the picture down to the horizon
  float horizon;            // y of the horizon
  Vec2 sun;                 // may lie outside the picture or below the horizon
  float sunRadius;          // 0: the disc is not seen
  Rgba sunColour;
  Rgba glowColour;
  float glow;               // strength of the glow around the sun
  float cloudCover;         // 0 clear .. 1 overcast
  float cloudStretch;       // how much wider than tall the clouds are
  Rgba cloudLit;            // the sun side of the clouds
  Rgba cloudShade;          // their undersides
  uint32_t seed;
};

Rgba SkyColour(const Sky& sky, float x, float y);

struct Range {
  float base;       // mean height of the ridge above the horizon
  float relief;     // how far the ridge rises and falls
  float frequency;  // ridge wiggles per picture height
  bool peaks;       // a ridged mountain outline; else rolling hills
  uint32_t seed;
  Rgba colour;
  float haze;       // share of the distance colour mixed in
  float snowLevel;  // snow lies above this y (streaking down the gullies); 0: none
  Rgba snow;
};

// The y of the range's ridge at x.
float RidgeTop(const Range& range, float horizon, float x);

// The ranges, far to near, over `behind` at (x, y): slopes shade towards their foot, catch
// `rimLight` along their ridges and fade into `distance`.
Rgba OverRanges(Rgba behind, const std::vector<Range>& ranges, float horizon, float x, float y,
                Rgba distance, Rgba rimLight);

// Calm water below the horizon: `above(x, y)` mirrored with ripples, more of the water's own
// colour towards the viewer, and a glitter path under a sun at x = sunX.
template <class Above>
Rgba Water(Above above, float horizon, float x, float y, Rgba deep, float sunX, Rgba glitter,
           uint32_t seed) {
  using namespace pack_images;
  const float depth = y - horizon;  // 0 at the water line
  // Ripples seen in perspective: packed tight at the far shore, wider towards the viewer.
  const float ripple =
      FractalNoise(x * 1.2f / (depth + 0.06f), 2.4f / (depth + 0.012f), 1 << 14, 3, 0.5f, seed);
  const float wobble = 0.002f + 0.04f * depth;
  const Rgba mirrored = above(x + ripple * wobble * 0.25f, horizon - depth + ripple * wobble);
  const float reflection = 0.35f + 0.5f * Smoothstep(0.5f, 0.0f, depth);
  Rgba water = Mix(deep, mirrored, reflection);
  water = Scaled(water, 1.0f + 0.15f * ripple * Smoothstep(0.0f, 0.04f, depth));
  const float path = Bump(x - sunX, 0.015f + depth * 0.45f);
  water = Mix(water, glitter, 0.75f * Smoothstep(0.25f, 0.65f, ripple) * path);
  // A thin bright seam where the far shore meets the water.
  return Mix(water, above(x, horizon - 0.004f), 0.35f * Smoothstep(0.004f, 0.0f, depth));
}

}  // namespace demo_show
