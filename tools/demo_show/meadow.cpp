// A summer meadow: fair-weather clouds over rolling green hills with a lone broad tree, and a
// flowering meadow whose flowers grow larger towards the viewer.
#include <cmath>

#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/scenery.h"
#include "tools/pack_images/noise.h"

namespace demo_show {
namespace {

using namespace pack_images;

constexpr float Horizon = 0.52f;
constexpr float MeadowTop = 0.66f;  // where the near meadow begins

const Sky SummerSky = {
    {Hex(0x1F5FC8), Hex(0x4C8EE0), Hex(0x9CCBF2), Hex(0xE2F0F8)},
    Horizon,
    {1.25f, -0.1f},
    0.0f,
    Hex(0xFFFFFF),
    Hex(0xFFFBEA),
    0.5f,
    0.6f,
    1.6f,
    Hex(0xFFFFFF),
    Hex(0xA6B2C4),
    83,
};

const std::vector<Range> Hills = {
    {0.06f, 0.05f, 1.4f, false, 89, Hex(0x6A9AA8), 0.4f, 0.0f, {}},
    {0.02f, 0.09f, 1.1f, false, 97, Hex(0x6EA444), 0.1f, 0.0f, {}},
    {-0.07f, 0.10f, 0.9f, false, 103, Hex(0x5A9432), 0.04f, 0.0f, {}},
};

constexpr float TreeX = 0.92f;  // the tree stands on the middle hill here

// The lone tree: a trunk and a canopy of overlapping noisy blobs. Alpha is the cover.
Rgba Tree(float x, float y) {
  const float foot = RidgeTop(Hills[1], Horizon, TreeX) + 0.004f;
  // The trunk, from the hill up into the crown, widening a little towards its foot.
  const float top = foot - 0.09f;
  const float trunkWidth = 0.0035f + 0.02f * Clamp01(y - top);
  const float trunk = Fill(std::fabs(x - TreeX) - trunkWidth, 0.001f) *
                      Fill(y - foot, 0.001f) * Fill(top - y, 0.001f);
  Rgba colour = WithAlpha(Hex(0x3A2A1C), trunk);
  const Vec2 blobs[] = {{0.0f, -0.13f}, {-0.045f, -0.11f}, {0.045f, -0.115f}, {-0.02f, -0.165f},
                        {0.028f, -0.16f}, {0.0f, -0.095f}};
  for (const Vec2& blob : blobs) {
    const Vec2 p = {x - (TreeX + blob.x), y - (foot + blob.y)};
    const float ragged = 0.012f * FractalNoise(x * 90.0f, y * 90.0f, 1 << 14, 3, 0.6f, 107);
    const float inside = Fill(EllipseDistance(p, {0.05f, 0.042f}) + ragged, 0.0015f);
    // Light from the upper right, darker inside the crown.
    const float light = Clamp01(0.55f + (p.x - p.y) * 9.0f);
    const float leaves = FractalNoise(x * 160.0f, y * 160.0f, 1 << 14, 2, 0.5f, 109);
    const Rgba crown = Mix(Hex(0x1E4A1C), Hex(0x6A9A34), light * (0.75f + 0.3f * leaves));
    colour = Over(WithAlpha(crown, inside), colour);
  }
  return colour;
}

// The near meadow: grass streaks and flowers on a grid of cells that grow with nearness.
Rgba Meadow(Rgba behind, float x, float y) {
  const float near = Clamp01((y - MeadowTop) / (1.0f - MeadowTop));
  const float edge = MeadowTop + 0.01f * LineNoise(x * 20.0f, 113);
  const float inside = Smoothstep(edge - 0.02f, edge + 0.02f, y);
  if (inside <= 0.0f) return behind;
  const float streaks = FractalNoise(x * 140.0f, y * 14.0f, 1 << 14, 3, 0.5f, 127);
  const float patches = FractalNoise(x * 5.0f, y * 9.0f, 1 << 12, 3, 0.5f, 131);
  Rgba grass = Mix(Hex(0x4E8A26), Hex(0x8CBE3E), Clamp01(0.5f + 0.6f * patches));
  grass = Scaled(grass, 0.85f + 0.25f * streaks - 0.15f * near);
  // Flowers: one chance per cell; cells (and flowers) grow towards the bottom.
  const float cell = 0.005f + 0.07f * near * near;
  const int i = static_cast<int>(std::floor(x / cell));
  const int j = static_cast<int>(std::floor(y / cell));
  static const Rgba petals[] = {Hex(0xE8302A), Hex(0xF6D23A), Hex(0xFAFAF0), Hex(0x9A6AD8),
                                Hex(0xF08AB8)};
  for (int di = -1; di <= 1; ++di) {
    for (int dj = -1; dj <= 1; ++dj) {
      const int ci = i + di, cj = j + dj;
      if (Random01(ci, cj, 137) > 0.45f) continue;
      const Vec2 centre = {(ci + Random01(ci, cj, 139)) * cell,
                           (cj + Random01(ci, cj, 149)) * cell};
      const float radius = cell * (0.18f + 0.14f * Random01(ci, cj, 151));
      const float d = Length({x - centre.x, (y - centre.y) * 1.25f}) - radius;
      const Rgba petal = petals[HashPoint(ci, cj, 157) % 5];
      const float heart =
          Fill(Length({x - centre.x, (y - centre.y) * 1.25f}) - radius * 0.3f, 0.0008f);
      grass = Mix(grass, Mix(petal, Hex(0xE0A020), heart * 0.8f), Fill(d, 0.0012f));
    }
  }
  return Mix(behind, grass, inside);
}

}  // namespace

Image MakeMeadow() {
  return Paint([](float x, float y) {
    Rgba colour = SkyColour(SummerSky, x, std::fmin(y, Horizon));
    colour = OverRanges(colour, Hills, Horizon, x, y, Hex(0xBED8E4), Hex(0xD8EC90));
    colour = Over(Tree(x, y), WithAlpha(colour, 1.0f));
    return Meadow(colour, x, y);
  });
}

}  // namespace demo_show
