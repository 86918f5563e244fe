// A coast in the evening: the sun low over the sea lays a glitter path to a sandy beach with its
// foam line, and a headland of layered rock with a grassy top closes the right side.
#include <cmath>

#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/scenery.h"
#include "tools/pack_images/noise.h"

namespace demo_show {
namespace {

using namespace pack_images;

constexpr float Horizon = 0.50f;

const Sky EveningSky = {
    {Hex(0x22477E), Hex(0x5582BE), Hex(0xB8B4BC), Hex(0xF2C48C), Hex(0xFFDDA4)},
    Horizon,
    {0.42f, 0.43f},
    0.028f,
    Hex(0xFFF6D8),
    Hex(0xFFD294),
    0.95f,
    0.3f,
    5.0f,
    Hex(0xFFE0C0),
    Hex(0x8A7C98),
    173,
};

// The beach line: where the sand begins, rising towards the left.
float ShoreLine(float x) { return 0.80f + 0.06f * x + 0.012f * LineNoise(x * 8.0f, 197); }

// The headland's outline: a rugged cliff edge rising from the sea to a grassy top. Left of the
// cliff the outline lies below the beach, so there is no rock.
float HeadlandTop(float x) {
  const float rise = Smoothstep(0.86f, 1.1f, x);
  const float rugged = 0.035f * RidgedLineNoise(x * 9.0f, 4, 0.55f, 179);
  return 0.95f - rise * (0.66f + rugged) + 0.02f * rise * (1.0f - rise) * LineNoise(x * 30.0f, 181);
}

// Where the face stands at height y: the outline's x there, found by halving the rising part.
float HeadlandFaceX(float y) {
  float left = 0.86f, right = 1.1f;
  for (int i = 0; i < 12; ++i) {
    const float middle = 0.5f * (left + right);
    (HeadlandTop(middle) > y ? left : right) = middle;
  }
  return left;
}

// Alpha is the cover: the cliff stands on the beach and in the sea.
Rgba Headland(float x, float y) {
  // The face juts in and out along its height: ledges and overhangs.
  const float jut = 0.025f * (LineNoise(y * 25.0f, 183) - 0.5f) + 0.01f * LineNoise(y * 90.0f, 187);
  const float top = HeadlandTop(x + jut);
  const float inside = Fill(top - y, 0.0012f) * Fill(y - ShoreLine(x), 0.002f);
  if (inside <= 0.0f) return {};
  // Strata that lean a little, broken up by cracks; the face towards the sun glows warm, the
  // rock behind it lies in shade.
  const float warp = 3.0f * FractalNoise(x * 20.0f, y * 20.0f, 1 << 14, 3, 0.5f, 191);
  const float strata = std::sin((y + 0.15f * x) * 140.0f + warp);
  const float cracks = FractalNoise(x * 70.0f, y * 35.0f, 1 << 14, 4, 0.55f, 193);
  const float sunward = Smoothstep(0.07f, 0.0f, x + jut - HeadlandFaceX(y));
  Rgba rock = Mix(Hex(0x5A4448), Hex(0xD89A62), Clamp01(0.25f + 0.75f * sunward));
  rock = Scaled(rock, 0.8f + 0.12f * strata + 0.2f * cracks);
  // Grass on the level top only, not down the face.
  const float grass = Smoothstep(0.02f, 0.005f, y - top) * Smoothstep(0.98f, 1.06f, x);
  rock = Mix(rock, Mix(Hex(0x4E6A2C), Hex(0x9AA048), sunward), grass);
  // Spray where the waves break on the foot of the cliff.
  const float spray = Smoothstep(Horizon + 0.05f, ShoreLine(x), y) * Smoothstep(0.1f, 0.6f, cracks);
  rock = Mix(rock, Hex(0xF4F0E8), 0.5f * spray * sunward);
  return WithAlpha(rock, inside);
}

Rgba Above(float x, float y) {
  const Rgba sky = SkyColour(EveningSky, x, y);
  return Over(Headland(x, y), WithAlpha(sky, 1.0f));
}

Rgba Sea(float x, float y) {
  Rgba sea = Water(Above, Horizon, x, y, Hex(0x17405A), EveningSky.sun.x, Hex(0xFFE8B8), 199);
  // Swell: long bands, packed tighter towards the horizon.
  const float depth = y - Horizon;
  const float swell = std::sin(1.0f / (depth + 0.02f) * 2.2f + 2.0f * LineNoise(x * 3.0f, 211));
  sea = Scaled(sea, 1.0f + 0.06f * swell * Smoothstep(0.0f, 0.1f, depth));
  return sea;
}

Rgba Beach(Rgba sea, float x, float y) {
  const float shore = ShoreLine(x);
  const float wet = Smoothstep(shore + 0.05f, shore, y);
  const float grain = FractalNoise(x * 200.0f, y * 120.0f, 1 << 14, 2, 0.5f, 223);
  const float ripples = FractalNoise(x * 8.0f, y * 60.0f, 1 << 14, 3, 0.5f, 227);
  Rgba sand = Mix(Hex(0xE6C898), Hex(0x9A7E60), 0.55f * wet);
  sand = Scaled(sand, 0.92f + 0.06f * grain + 0.06f * ripples);
  // The wet sand mirrors the sky a little; the foam runs along the water's edge.
  sand = Mix(sand, SkyColour(EveningSky, x, 2.0f * Horizon - y * 0.5f), 0.25f * wet);
  const float foam = Bump(y - shore - 0.004f * LineNoise(x * 40.0f, 229), 0.006f);
  const float landward = Fill(shore - y, 0.003f);
  return Mix(Mix(sea, sand, landward), Hex(0xFBF8F0), 0.85f * foam);
}

}  // namespace

Image MakeCoast() {
  return Paint([](float x, float y) {
    if (y < Horizon) return Above(x, y);
    const Rgba headland = Headland(x, y);
    return Over(headland, WithAlpha(Beach(Sea(x, y), x, y), 1.0f));
  });
}

}  // namespace demo_show
