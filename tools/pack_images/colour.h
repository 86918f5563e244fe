// Straight-alpha colours with float channels in 0..1, as the generators paint them.
#pragma once

#include <cstdint>

namespace pack_images {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

// An opaque colour from 0xRRGGBB.
Rgba Hex(uint32_t rgb);
Rgba WithAlpha(Rgba colour, float alpha);
// Channel-wise interpolation, alpha included.
Rgba Mix(Rgba from, Rgba to, float t);
// Colour channels multiplied by k; alpha unchanged.
Rgba Scaled(Rgba colour, float k);
// `top` composited over `bottom` (the "over" operator on straight alpha).
Rgba Over(Rgba top, Rgba bottom);
// A colour ramp through evenly spaced stops, t in 0..1 (clamped).
Rgba Ramp(const Rgba* stops, int count, float t);

}  // namespace pack_images
