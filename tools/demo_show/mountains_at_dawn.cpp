// Mountains at dawn: the sun about to rise behind the far snowy range, which glows pink; nearer
// ranges step down to a still lake that mirrors them, with mist lying on the far shore.
#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/scenery.h"

namespace demo_show {
namespace {

using namespace pack_images;

constexpr float Horizon = 0.74f;

const Sky DawnSky = {
    {Hex(0x24285A), Hex(0x5A4C86), Hex(0xB47A98), Hex(0xF0A88A), Hex(0xFFD9A8)},
    Horizon,
    {1.05f, 0.50f},
    0.0f,  // the sun is still behind the peaks
    Hex(0xFFF2D8),
    Hex(0xFFC98E),
    0.9f,
    0.35f,
    4.0f,
    Hex(0xF6B8B0),
    Hex(0x6E5C8A),
    3,
};

const std::vector<Range> Ranges = {
    {0.34f, 0.36f, 2.1f, true, 101, Hex(0x6C62A0), 0.16f, 0.40f, Hex(0xF9D6D8)},
    {0.18f, 0.16f, 3.4f, true, 113, Hex(0x3E3A72), 0.1f, 0.53f, Hex(0xC2AED0)},
    {0.05f, 0.05f, 6.0f, false, 127, Hex(0x22283E), 0.06f, 0.0f, {}},
};

Rgba Above(float x, float y) {
  const Rgba distance = SkyColour(DawnSky, x, Horizon - 0.08f);
  Rgba colour = OverRanges(SkyColour(DawnSky, x, y), Ranges, Horizon, x, y, distance,
                           Hex(0xFFC0A0));
  // Low mist drifting in banks along the far shore.
  const float banks = FractalNoise(x * 3.0f, y * 22.0f, 1 << 12, 4, 0.5f, 137);
  const float mist = Bump(y - (Horizon - 0.03f), 0.025f) * Smoothstep(-0.1f, 0.6f, banks);
  return Mix(colour, Hex(0xEED4DA), 0.45f * mist);
}

}  // namespace

Image MakeMountainsAtDawn() {
  return Paint([](float x, float y) {
    if (y < Horizon) return Above(x, y);
    return Water(Above, Horizon, x, y, Hex(0x1E2240), DawnSky.sun.x, Hex(0xFFD8B8), 139);
  });
}

}  // namespace demo_show
