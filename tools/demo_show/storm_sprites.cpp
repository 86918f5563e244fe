// The storm slide's sprite images: zigzag strokes whose points wander at random, each drawn as
// a hot core in a wide glow.
#include <cmath>

#include "tools/demo_show/scenery.h"
#include "tools/demo_show/storm_slide.h"

namespace demo_show {
namespace {

using namespace pack_images;

// A stroke from `from` to `to` in `steps` pieces, each inner point pushed sideways by up to
// `jitter` pixels.
std::vector<Vec2> Zigzag(Vec2 from, Vec2 to, int steps, float jitter, uint32_t seed) {
  const Vec2 along = to - from;
  const Vec2 across = Vec2{-along.y, along.x} * (1 / Length(along));
  std::vector<Vec2> points;
  for (int i = 0; i <= steps; ++i) {
    const float push = (i == 0 || i == steps) ? 0 : jitter * (2 * Random01(i, 0, seed) - 1);
    points.push_back(from + along * (static_cast<float>(i) / steps) + across * push);
  }
  return points;
}

// An electric glow at distance d from the strokes.
Rgba Spark(float d, float coreWidth, float glowWidth) {
  const float core = Fill(d - coreWidth, 0.8f);
  const float glow = 0.75f * std::exp(-d / glowWidth);
  return WithAlpha(Mix(Hex(0xA8A0FF), Hex(0xFFFFFF), core), Clamp01(std::fmax(core, glow)));
}

}  // namespace

Image MakeLightningSprite() {
  const Strokes bolt = {
      Zigzag({50, 2}, {42, 254}, 14, 12, 3),
      Zigzag({47, 90}, {84, 170}, 6, 7, 5),
      Zigzag({44, 150}, {12, 215}, 5, 6, 7),
  };
  Image image(96, 256);
  image.Paint([&](float x, float y) { return Spark(DistanceToStrokes({x, y}, bolt), 1.2f, 5); });
  return image;
}

Image MakeCrackleSheet() {
  constexpr int Frames = 4, Side = 64;
  std::vector<Strokes> frames;
  for (int frame = 0; frame < Frames; ++frame) {
    Strokes arcs;
    for (int arc = 0; arc < 5; ++arc) {
      const uint32_t seed = 11 + 7 * frame + arc;
      const float angle = 2 * Pi * (arc + Random01(arc, frame, 13)) / 5;
      const float reach = 16 + 12 * Random01(arc, frame, 17);
      const Vec2 middle{Side / 2.0f, Side / 2.0f};
      arcs.push_back(
          Zigzag(middle, middle + Vec2{std::cos(angle), std::sin(angle)} * reach, 4, 3, seed));
    }
    frames.push_back(arcs);
  }
  Image image(Frames * Side, Side);
  image.Paint([&](float x, float y) {
    const int frame = static_cast<int>(x / Side);
    const Vec2 p{x - frame * Side, y};
    const Rgba spark = Spark(DistanceToStrokes(p, frames[frame]), 0.7f, 3);
    // Nothing reaches the frame's edges, so no frame shows a sliver of its neighbour.
    const float edge = std::fmax(std::fabs(p.x - Side / 2.0f), std::fabs(p.y - Side / 2.0f));
    return WithAlpha(spark, spark.a * Smoothstep(Side / 2.0f, Side / 2.0f - 4, edge));
  });
  return image;
}

}  // namespace demo_show
