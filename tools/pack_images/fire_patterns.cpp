// Flame patterns: grey flame intensity (also in alpha), the fire's base at the bottom row and
// the tips fading out towards the top. They tile across (the fire quads repeat them in u);
// the shaders tint them and move noise through them.
#include <cmath>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int Size = 256;

struct FlameStyle {
  int tongues;      // flame tongues across one tile
  float minHeight;  // tongue heights (share of the image) vary between these
  float maxHeight;
  float width;  // a tongue's half-width at its base, in tongue spacings
  float sway;   // sideways wander of the tongues, in tongue spacings
  uint32_t seed;
};

// Distance in u between a and b on the wrapping tile.
float WrappedDistance(float a, float b) {
  const float d = std::fabs(a - b);
  return std::fmin(d, 1.0f - d);
}

Image PaintFlames(const FlameStyle& style) {
  Image image(Size, Size);
  image.Paint([&](float px, float py) {
    const float u = px / Size, rise = 1.0f - py / Size;  // rise: 0 at the base, 1 at the top
    const float spacing = 1.0f / style.tongues;
    // Tongues lean and wave more the higher they reach.
    const float wander = style.sway * spacing * rise *
                         GradientNoise(u * style.tongues, rise * 3.0f, style.tongues, style.seed);
    float flame = 0.0f;
    for (int k = 0; k < style.tongues; ++k) {
      const uint32_t h = HashPoint(k, 0, style.seed);
      const float centre = (k + 0.5f + 0.3f * ((h & 0xFF) / 255.0f - 0.5f)) * spacing;
      const float height = Lerp(style.minHeight, style.maxHeight, ((h >> 8) & 0xFF) / 255.0f);
      const float along = rise / height;  // 0 at the base, 1 at the tongue's tip
      if (along >= 1.0f) continue;
      const float halfWidth = style.width * spacing * std::pow(1.0f - along, 0.6f);
      const float across = WrappedDistance(u + wander, centre) / halfWidth;
      if (across >= 1.0f) continue;
      // Brightest in the middle and low down; soft at the tip and the flanks.
      flame = std::fmax(flame, (1.0f - across * across) * std::pow(1.0f - along, 0.7f));
    }
    // The bed of embers the tongues rise from.
    const float base = 0.75f * Smoothstep(0.22f, 0.0f, rise);
    const float glow = Clamp01(std::fmax(flame, base) + 0.25f * flame * base);
    return Rgba{glow, glow, glow, glow};
  });
  return image;
}

}  // namespace

Image MakeFlamePattern() { return PaintFlames({7, 0.55f, 0.95f, 0.9f, 0.6f, 707}); }

Image MakeFirePattern() { return PaintFlames({11, 0.45f, 0.9f, 1.0f, 0.8f, 939}); }

}  // namespace pack_images
