// A forest lake: two rows of firs line the far shore under a hill, and the still water mirrors
// them with the sky; reeds stand in the near left corner. By day the sky is a bright afternoon
// with clouds; by night it is starry, moonlit at the right (the moon itself is a sprite of its
// slide), and the land is dark and blue.
#include <cmath>

#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/scenery.h"
#include "tools/pack_images/noise.h"

namespace demo_show {
namespace {

using namespace pack_images;

constexpr float Horizon = 0.58f;

const Sky AfternoonSky = {
    {Hex(0x2F69B8), Hex(0x5E98D8), Hex(0xA8CFEE), Hex(0xDCEBF2)},
    Horizon,
    {0.25f, 0.05f},
    0.0f,
    Hex(0xFFFFFF),
    Hex(0xFFF6DC),
    0.35f,
    0.55f,
    2.2f,
    Hex(0xFAFAF6),
    Hex(0x98A4B6),
    41,
};

// The glow lies round the moon sprite's place on the night lake's slide.
const Sky NightSky = {
    {Hex(0x040814), Hex(0x0A1630), Hex(0x1A2C50), Hex(0x2E4068)},
    Horizon,
    {NightLakeMoon.x, NightLakeMoon.y},
    0.0f,
    Hex(0xFFFFFF),
    Hex(0x8CA0C8),
    0.45f,
    0.2f,
    3.0f,
    Hex(0x46587A),
    Hex(0x141C30),
    41,
};

struct TreeRow {
  float spacing;    // between trunks, picture heights
  float height;     // of the tallest firs
  float baseline;   // y of the feet, above the water line
  uint32_t seed;
  Rgba colour;
};

// One time of day: the sky, the shore's colours and the water's.
struct LakeLight {
  const Sky& sky;
  std::vector<Range> hills;
  TreeRow rows[2];
  Rgba distance, rimLight;  // of the hills
  Rgba deep, glitter;       // of the water
  Rgba reeds;
  float stars;              // share of the sky's cells that hold a star
};

const LakeLight Afternoon = {
    AfternoonSky,
    {{0.17f, 0.10f, 1.6f, false, 37, Hex(0x6E8EA8), 0.45f, 0.0f, {}},
     {0.10f, 0.12f, 2.4f, false, 43, Hex(0x3E6A58), 0.25f, 0.0f, {}}},
    {{0.011f, 0.075f, Horizon - 0.012f, 47, Hex(0x2F5A48)},
     {0.016f, 0.13f, Horizon + 0.002f, 53, Hex(0x1A3A2A)}},
    Hex(0xB6CCDA),
    Hex(0xDCE6C8),
    Hex(0x1E4050),
    Hex(0xF4F8FA),
    Hex(0x2C3A1E),
    0.0f,
};

const LakeLight Night = {
    NightSky,
    {{0.17f, 0.10f, 1.6f, false, 37, Hex(0x1C2840), 0.45f, 0.0f, {}},
     {0.10f, 0.12f, 2.4f, false, 43, Hex(0x101C24), 0.25f, 0.0f, {}}},
    {{0.011f, 0.075f, Horizon - 0.012f, 47, Hex(0x0E1A20)},
     {0.016f, 0.13f, Horizon + 0.002f, 53, Hex(0x060E10)}},
    Hex(0x243450),
    Hex(0x6A80A8),
    Hex(0x040A14),
    Hex(0xC8D4F0),
    Hex(0x04080A),
    0.05f,
};

// One row of firs at (x, y): alpha is the cover.
Rgba Firs(const TreeRow& row, float x, float y) {
  Rgba colour = {};
  const int nearest = static_cast<int>(std::floor(x / row.spacing));
  for (int i = nearest - 2; i <= nearest + 2; ++i) {
    const float foot = (i + 0.1f + 0.8f * Random01(i, 0, row.seed)) * row.spacing;
    // Clumps of tall firs and thinner stretches, every tree a little different.
    const float clump = LineNoise(foot * 7.0f, row.seed + 3);
    const float height =
        row.height * (0.3f + 0.7f * clump) * (0.6f + 0.4f * Random01(i, 0, row.seed + 1));
    const float h = (row.baseline - y) / height;  // 0 at the foot, 1 at the tip
    if (h < 0.0f || h > 1.0f) continue;
    // Tiers of branches: the width saw-tooths as it narrows to the tip.
    const float tier = std::fmod(h * 6.0f + Random01(i, 0, row.seed + 2), 1.0f);
    const float halfWidth = 0.22f * height * (1.0f - h) * (0.6f + 0.4f * (1.0f - tier));
    const float inside = Fill(std::fabs(x - foot) - halfWidth, 0.0012f);
    // Lit from the upper left.
    const float side = Clamp01(0.5f - (x - foot) / (halfWidth + 1e-4f) * 0.5f);
    const Rgba needles = Scaled(row.colour, 0.8f + 0.45f * side * (0.5f + 0.5f * h));
    colour = Over(WithAlpha(needles, inside), colour);
  }
  return colour;
}

// Stars: in a share of the cells of a fine grid, one small dot at a random place in the cell,
// of a random brightness.
float StarLight(float share, float x, float y) {
  constexpr float Cell = 0.012f;
  const int i = static_cast<int>(std::floor(x / Cell)), j = static_cast<int>(std::floor(y / Cell));
  if (Random01(i, j, 79) >= share) return 0.0f;
  const Vec2 star = {(i + 0.2f + 0.6f * Random01(i, j, 83)) * Cell,
                     (j + 0.2f + 0.6f * Random01(i, j, 89)) * Cell};
  const float radius = 0.0008f + 0.0012f * Random01(i, j, 97);
  return (0.4f + 0.6f * Random01(i, j, 101)) * Fill(Length(Vec2{x, y} - star) - radius, 0.0008f);
}

Rgba Above(const LakeLight& light, float x, float y) {
  Rgba colour = SkyColour(light.sky, x, y);
  if (light.stars > 0.0f) colour = Mix(colour, Hex(0xF0F4FF), StarLight(light.stars, x, y));
  colour = OverRanges(colour, light.hills, Horizon, x, y, light.distance, light.rimLight);
  for (const TreeRow& row : light.rows) colour = Over(Firs(row, x, y), WithAlpha(colour, 1.0f));
  return colour;
}

// Reeds: gently bent blades rising from the bottom left.
float ReedCover(float x, float y) {
  float cover = 0.0f;
  for (int i = 0; i < 14; ++i) {
    const float foot = 0.02f + 0.025f * i + 0.012f * Random01(i, 0, 61);
    const float height = 0.14f + 0.16f * Random01(i, 0, 67) * (1.0f - i / 16.0f);
    const float bend = (Random01(i, 0, 71) - 0.3f) * 0.05f;
    const float t = (1.02f - y) / height;
    if (t < 0.0f || t > 1.0f) continue;
    const float centre = foot + bend * t * t;
    cover = std::fmax(cover, Fill(std::fabs(x - centre) - 0.0022f * (1.0f - t * 0.8f), 0.0012f));
  }
  return cover;
}

Image PaintLake(const LakeLight& light) {
  const auto above = [&](float x, float y) { return Above(light, x, y); };
  return Paint([&](float x, float y) {
    const Rgba colour = y < Horizon ? above(x, y)
                                    : Water(above, Horizon, x, y, light.deep, light.sky.sun.x,
                                            light.glitter, 59);
    return Mix(colour, light.reeds, ReedCover(x, y));
  });
}

}  // namespace

Image MakeForestLake() { return PaintLake(Afternoon); }
Image MakeNightLake() { return PaintLake(Night); }

}  // namespace demo_show
