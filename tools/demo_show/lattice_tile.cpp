// The pattern brush's tile: a diagonal lattice of gold bars with soft edges, each crossing
// studded with a round boss; the holes are transparent, so the picture shows through.
#include <cmath>

#include "tools/demo_show/effect_slides.h"
#include "tools/pack_images/shape_math.h"

namespace demo_show {

pack_images::Image MakeLatticeTile() {
  using namespace pack_images;
  constexpr int Side = 128;
  Image tile(Side, Side);
  tile.Paint([](float px, float py) {
    const float u = px / Side, v = py / Side;
    // Distance to the nearest bar of each diagonal family, in tile units; both repeat at 1.
    const auto toBar = [](float t) { return std::fabs(t - std::floor(t + 0.5f)); };
    const float bars = std::fmin(toBar(u + v), toBar(u - v)) * 0.7071f;
    const float bar = Fill(bars - 0.035f, 0.01f);
    const Vec2 nearestCrossing = {u - std::floor(u + 0.5f), v - std::floor(v + 0.5f)};
    const float boss = Fill(Length(nearestCrossing) - 0.09f, 0.012f);
    const float shine = 0.75f + 0.25f * std::cos(6.2832f * (u - v));
    Rgba gold = Scaled(Hex(0xD8A640), shine);
    gold = Mix(gold, Hex(0xFFE7A0), 0.6f * boss);
    return WithAlpha(gold, 0.85f * std::fmax(bar, boss));
  });
  return tile;
}

}  // namespace demo_show
