// The default slide picture: an evening lake. A sky gradient with a low sun and soft clouds,
// a mountain range and two ranges of hills fading into the haze, and water that mirrors all of it
// with ripples and a glitter path under the sun; a wooded bank closes the bottom left corner. The
// water is the scene above mirrored, so the reflection always matches what it reflects.
#include <cmath>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int Width = 1024;
constexpr int Height = 768;
constexpr float Horizon = 0.60f;     // water line, as a share of the height
constexpr Vec2 Sun = {0.9f, 0.34f};  // sun centre in (x / height, y / height) units
constexpr float SunRadius = 0.026f;

enum class Outline { Peaks, Hills, Treeline };

struct Range {
  Outline outline;
  float base;       // mean ridge height above the horizon (share of the height)
  float relief;     // how far the ridge rises and falls
  float frequency;  // ridge wiggles per picture height
  uint32_t seed;
  Rgba colour;
  float haze;  // share of sky colour mixed in
};

const Range Ranges[] = {
    {Outline::Peaks, 0.12f, 0.16f, 1.6f, 11, Hex(0x4A5A8C), 0.3f},
    {Outline::Hills, 0.07f, 0.07f, 3.5f, 23, Hex(0x3C5A66), 0.22f},
    {Outline::Treeline, 0.025f, 0.045f, 5.0f, 37, Hex(0x1F3B2A), 0.04f},
};

Rgba SkyColour(float x, float y) {
  static const Rgba stops[] = {Hex(0x1E3F7A), Hex(0x3F6FB0), Hex(0x86A8D2), Hex(0xE9C9A8),
                               Hex(0xFBD59A)};
  Rgba sky = Ramp(stops, 5, y / Horizon);
  // Warm glow around the sun, wider along the horizon.
  const Vec2 d = {(x - Sun.x) * 0.7f, y - Sun.y};
  const float glow = std::exp(-Length(d) * 7.0f);
  sky = Mix(sky, Hex(0xFFE3A6), glow * 0.85f);
  // Clouds: stretched noise, thicker high up, thinning towards the horizon.
  const float n = FractalNoise(x * 2.2f, y * 9.0f, 1 << 12, 5, 0.5f, 5);
  const float cover = Smoothstep(0.05f, 0.45f, n) * Smoothstep(Horizon, 0.15f, y) * 0.75f;
  const Rgba lit = Mix(Hex(0xF4E6E4), Hex(0xFFD9A0), glow);
  const Rgba shaded = Hex(0x8D8DAE);
  const float shade = Smoothstep(0.15f, 0.55f, n);
  sky = Mix(sky, Mix(lit, shaded, shade * 0.6f), cover);
  // The sun itself, with a soft rim.
  const float distance = Length({x - Sun.x, y - Sun.y});
  const float disc = Fill(distance - SunRadius, 0.003f);
  sky = Mix(sky, Hex(0xFFF8E4), std::exp(-(distance - SunRadius) * 60.0f) * 0.6f * (1.0f - disc));
  return Mix(sky, Hex(0xFFFBEE), disc);
}

float RidgeTop(const Range& range, float x) {
  const float f = x * range.frequency;
  float ridge = 0.0f;
  if (range.outline == Outline::Peaks) {
    ridge = RidgedLineNoise(f, 5, 0.55f, range.seed);
  } else {
    ridge = RollingLineNoise(f, range.seed);
  }
  float top = Horizon - range.base - range.relief * (ridge - 0.3f);
  // Fir tops along the near shore.
  if (range.outline == Outline::Treeline)
    top -= 0.006f * std::fabs(std::sin(x * 420.0f)) * LineNoise(x * 60.0f, range.seed + 5);
  return top;
}

// Sky and hills at (x, y) in height units, for y above the horizon.
Rgba SceneAbove(float x, float y) {
  Rgba colour = SkyColour(x, y);
  for (const Range& range : Ranges) {
    const float top = RidgeTop(range, x);
    const float inside = Fill(top - y, 0.0015f);
    if (inside <= 0.0f) continue;
    // Slopes darken towards the bottom of each range, and catch the sun near their ridge.
    const float depth = Clamp01((y - top) / (Horizon - top + 1e-4f));
    const float texture = 0.08f * FractalNoise(x * 40.0f, y * 40.0f, 1 << 14, 3, 0.5f, range.seed);
    Rgba land = Scaled(range.colour, 1.0f - 0.25f * depth + texture);
    land = Mix(land, Hex(0xF2C28A), 0.18f * Smoothstep(0.02f, 0.0f, y - top));
    // Haze, thickest in the valleys of the far range.
    const float mist = range.outline == Outline::Peaks ? 0.4f * depth * depth : 0.0f;
    land = Mix(land, SkyColour(x, Horizon - 0.12f), range.haze + mist);
    colour = Mix(colour, land, inside);
  }
  return colour;
}

Rgba Water(float x, float y) {
  const float depth = y - Horizon;  // 0 at the water line
  // Ripples seen in perspective: tightly packed at the far shore, wider towards the viewer.
  const float ripple =
      FractalNoise(x * 1.5f / (depth + 0.08f), 2.7f / (depth + 0.015f), 1 << 14, 3, 0.5f, 71);
  const float wobble = 0.003f + 0.05f * depth;
  const Rgba mirrored = SceneAbove(x + ripple * wobble * 0.3f, Horizon - depth + ripple * wobble);
  // Less reflection and more of the water's own colour closer to the viewer.
  const float fresnel = Smoothstep(0.45f, 0.0f, depth) * 0.45f + 0.4f;
  Rgba water = Mix(Hex(0x143446), mirrored, fresnel);
  water = Scaled(water, 1.0f + 0.18f * ripple * Smoothstep(0.0f, 0.05f, depth));
  // Glitter path under the sun.
  const float path = Bump(x - Sun.x, 0.02f + depth * 0.5f);
  const float sparkle = Smoothstep(0.2f, 0.6f, ripple) * path;
  water = Mix(water, Hex(0xFFF0C8), sparkle * 0.8f);
  // The far shore meets the water in a thin bright seam.
  return Mix(water, SkyColour(x, Horizon - 0.01f), 0.4f * Smoothstep(0.003f, 0.0f, depth));
}

// The near bank's edge: high on the left, falling below the picture on the right.
float ShoreLine(float x) { return 1.03f - 0.32f * Smoothstep(0.75f, 0.0f, x); }

// A wooded bank at the bottom left: its grass and a few fir silhouettes. Returns alpha 0 where
// the bank is absent.
Rgba Bank(float x, float y) {
  const float shore = ShoreLine(x) + 0.012f * LineNoise(x * 12.0f, 91);
  Rgba colour = {};
  const float ground = Fill(shore - y, 0.002f);
  if (ground > 0.0f) {
    const float grass = FractalNoise(x * 90.0f, y * 30.0f, 1 << 14, 3, 0.55f, 93);
    colour = WithAlpha(Scaled(Hex(0x263B1C), 0.8f + 0.3f * grass), ground);
  }
  struct Fir {
    float x, height, width;
  };
  static const Fir firs[] = {{0.05f, 0.30f, 0.070f},
                             {0.14f, 0.22f, 0.055f},
                             {0.21f, 0.16f, 0.045f},
                             {0.30f, 0.10f, 0.032f},
                             {0.36f, 0.07f, 0.025f}};
  for (const Fir& fir : firs) {
    const float foot = ShoreLine(fir.x) + 0.012f;
    const float h = (foot - y) / fir.height;  // 0 at the foot, 1 at the tip
    if (h < 0.0f || h > 1.0f) continue;
    // Tiers of branches: the width saw-tooths as it narrows to the tip.
    const float tier = std::fmod(h * 5.0f, 1.0f);
    const float halfWidth = fir.width * (1.0f - h) * (0.55f + 0.45f * (1.0f - tier));
    const float inside = Fill(std::fabs(x - fir.x) - halfWidth, 0.0015f);
    const Rgba needles = Scaled(Hex(0x182A1A), 0.85f + 0.3f * (x - fir.x) / fir.width);
    colour = Over(WithAlpha(needles, inside), colour);
  }
  return colour;
}

}  // namespace

Image MakeLandscape() {
  Image image(Width, Height);
  image.Paint([](float px, float py) {
    const float x = px / Height, y = py / Height;
    Rgba colour = y < Horizon ? SceneAbove(x, y) : Water(x, y);
    colour = Over(Bank(x, y), WithAlpha(colour, 1.0f));
    return WithAlpha(colour, 1.0f);
  });
  return image;
}

}  // namespace pack_images
