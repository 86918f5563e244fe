#include "tools/demo_show/scenery.h"

#include <cmath>

#include "tools/pack_images/noise.h"

namespace demo_show {

using namespace pack_images;

float Random01(int i, int j, uint32_t seed) {
  return static_cast<float>(HashPoint(i, j, seed) & 0xFFFF) / 65535.0f;
}

Rgba SkyColour(const Sky& sky, float x, float y) {
  Rgba colour = Ramp(sky.ramp.data(), static_cast<int>(sky.ramp.size()), y / sky.horizon);
  // The glow spreads along the horizon more than upwards.
  const Vec2 toSun = {(x - sky.sun.x) * 0.6f, y - sky.sun.y};
  const float glow = std::exp(-Length(toSun) * 6.0f) * sky.glow;
  colour = Mix(colour, sky.glowColour, Clamp01(glow));
  if (sky.cloudCover > 0.0f) {
    const float n = FractalNoise(x * 2.5f, y * 2.5f * sky.cloudStretch, 1 << 12, 5, 0.5f, sky.seed);
    const float threshold = 0.5f - sky.cloudCover * 0.6f;
    const float cover = Smoothstep(threshold, threshold + 0.35f, n) *
                        Smoothstep(sky.horizon, sky.horizon * 0.55f, y);
    const float underside = Smoothstep(threshold + 0.1f, threshold + 0.6f, n);
    const Rgba lit = Mix(sky.cloudLit, sky.glowColour, Clamp01(glow * 1.5f));
    colour = Mix(colour, Mix(lit, sky.cloudShade, underside * 0.7f), cover * 0.9f);
  }
  if (sky.sunRadius > 0.0f) {
    const float distance = Length({x - sky.sun.x, y - sky.sun.y});
    const float disc = Fill(distance - sky.sunRadius, 0.003f);
    colour = Mix(colour, sky.sunColour,
                 std::exp(-(distance - sky.sunRadius) * 45.0f) * 0.55f * (1.0f - disc));
    colour = Mix(colour, sky.sunColour, disc);
  }
  return colour;
}

float RidgeTop(const Range& range, float horizon, float x) {
  const float f = x * range.frequency;
  const float ridge =
      range.peaks ? RidgedLineNoise(f, 5, 0.55f, range.seed) : RollingLineNoise(f, range.seed);
  return horizon - range.base - range.relief * (ridge - 0.3f);
}

Rgba OverRanges(Rgba behind, const std::vector<Range>& ranges, float horizon, float x, float y,
                Rgba distance, Rgba rimLight) {
  Rgba colour = behind;
  for (const Range& range : ranges) {
    const float top = RidgeTop(range, horizon, x);
    const float inside = Fill(top - y, 0.0012f);
    if (inside <= 0.0f) continue;
    const float depth = Clamp01((y - top) / (horizon - top + 1e-4f));
    const float texture =
        0.1f * FractalNoise(x * 30.0f, y * 45.0f, 1 << 14, 4, 0.55f, range.seed + 7);
    // Relief lit from the right: slopes of a height field that face the sun are brighter.
    auto height = [&](float u) {
      return FractalNoise(u * 5.0f, y * 8.0f, 1 << 14, 3, 0.5f, range.seed + 5);
    };
    const float slope = (height(x + 0.004f) - height(x - 0.004f)) * 4.0f;
    const float facing = std::fmax(-1.0f, std::fmin(1.0f, slope));
    Rgba land = Scaled(range.colour, 1.0f - 0.3f * depth + texture + 0.3f * facing);
    if (range.snowLevel > 0.0f) {
      // Caps on the peaks: the higher a crest rises above the snow level, the further the snow
      // reaches down from it, in ragged tongues; low saddles stay bare.
      const float cap = 0.7f * std::fmax(range.snowLevel - top, 0.0f);
      const float ragged = FractalNoise(x * 40.0f, y * 40.0f, 1 << 14, 4, 0.55f, range.seed + 9);
      const float snow = Smoothstep(cap + 0.008f, cap - 0.008f, (y - top) + 0.035f * ragged);
      land = Mix(land, Scaled(range.snow, 0.9f + texture - 0.2f * depth), snow);
    }
    land = Mix(land, rimLight, 0.25f * Smoothstep(0.015f, 0.0f, y - top));
    // Mist gathers in the valleys: the foot of every range is hazier than its crest.
    land = Mix(land, distance, Clamp01(range.haze + 0.35f * depth * depth * range.haze * 2.0f));
    colour = Mix(colour, land, inside);
  }
  return colour;
}

}  // namespace demo_show
