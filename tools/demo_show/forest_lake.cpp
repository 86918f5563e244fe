// A forest lake on a bright afternoon: two rows of firs line the far shore under a hill, and the
// still water mirrors them with the clouds; reeds stand in the near left corner.
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

const std::vector<Range> Hills = {
    {0.17f, 0.10f, 1.6f, false, 37, Hex(0x6E8EA8), 0.45f, 0.0f, {}},
    {0.10f, 0.12f, 2.4f, false, 43, Hex(0x3E6A58), 0.25f, 0.0f, {}},
};

struct TreeRow {
  float spacing;    // between trunks, picture heights
  float height;     // of the tallest firs
  float baseline;   // y of the feet, above the water line
  uint32_t seed;
  Rgba colour;
};

const TreeRow Rows[] = {
    {0.011f, 0.075f, Horizon - 0.012f, 47, Hex(0x2F5A48)},
    {0.016f, 0.13f, Horizon + 0.002f, 53, Hex(0x1A3A2A)},
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

Rgba Above(float x, float y) {
  Rgba colour = SkyColour(AfternoonSky, x, y);
  colour = OverRanges(colour, Hills, Horizon, x, y, Hex(0xB6CCDA), Hex(0xDCE6C8));
  for (const TreeRow& row : Rows) colour = Over(Firs(row, x, y), WithAlpha(colour, 1.0f));
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

}  // namespace

Image MakeForestLake() {
  return Paint([](float x, float y) {
    Rgba colour = y < Horizon
                      ? Above(x, y)
                      : Water(Above, Horizon, x, y, Hex(0x1E4050), AfternoonSky.sun.x,
                              Hex(0xF4F8FA), 59);
    return Mix(colour, Hex(0x2C3A1E), ReedCover(x, y));
  });
}

}  // namespace demo_show
