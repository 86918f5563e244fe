// The butterflies' wing: warm orange cells between black veins that fan out from the hinge,
// a black border round the outer edge set with white spots, and a dark tip on the forewing.
// Its outline is the wing mesh's, in the mesh's own uv, so the picture fills the wing exactly
// and its soft transparent rim hides the mesh's corners.
#include <cmath>

#include "tools/demo_show/demo_objects.h"
#include "tools/pack_images/noise.h"
#include "tools/pack_images/shape_math.h"

namespace demo_show {
namespace {

using namespace pack_images;

constexpr int Size = 256;

// The wing mesh's outline in uv, round from the hinge's front along the forewing, the tip and
// the hindwing back to the hinge.
const std::vector<Vec2>& Outline() {
  static const std::vector<Vec2> outline = {
      {0.0f, 0.4605f},    {0.0f, 0.3684f},    {0.125f, 0.2368f},  {0.3125f, 0.1053f},
      {0.525f, 0.0263f},  {0.725f, 0.0f},     {0.875f, 0.0395f},  {0.975f, 0.1316f},
      {1.0f, 0.2368f},    {0.95f, 0.3421f},   {0.825f, 0.4211f},  {0.7f, 0.4737f},
      {0.75f, 0.5789f},   {0.725f, 0.7105f},  {0.625f, 0.8421f},  {0.475f, 0.9474f},
      {0.3f, 1.0f},       {0.15f, 0.9474f},   {0.0625f, 0.8158f}, {0.0125f, 0.6579f},
      {0.0f, 0.5526f},
  };
  return outline;
}

// Signed distance to the outline, negative inside.
float OutlineDistance(Vec2 p) {
  const std::vector<Vec2>& outline = Outline();
  float nearest = 1e9f;
  bool inside = false;
  for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
    const Vec2 a = outline[i], b = outline[j];
    nearest = std::fmin(nearest, DistanceToSegment(p, a, b));
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside ? -nearest : nearest;
}

// The veins: curves from the hinge to the outer edge, one ending at every other outline point.
float VeinDistance(Vec2 p) {
  const Vec2 hinge = {0.0f, 0.5f};
  float nearest = 1e9f;
  for (size_t i = 2; i + 2 < Outline().size(); i += 2) {
    const Vec2 end = Outline()[i];
    const Vec2 bend = hinge + (end - hinge) * 0.5f + Vec2{0.0f, (end.y - hinge.y) * -0.15f};
    nearest = std::fmin(nearest, DistanceToSegment(p, hinge, bend));
    nearest = std::fmin(nearest, DistanceToSegment(p, bend, end));
  }
  // The cell that closes the forewing's middle.
  nearest = std::fmin(nearest, DistanceToSegment(p, {0.28f, 0.33f}, {0.52f, 0.40f}));
  return nearest;
}

}  // namespace

Image MakeButterflyWing() {
  Image image(Size, Size);
  const float pixel = 1.0f / Size;
  image.Paint([pixel](float px, float py) {
    const Vec2 p = {px * pixel, py * pixel};
    const float edge = OutlineDistance(p);
    if (edge > 2 * pixel) return Rgba{};
    const float grain = FractalNoise(p.x * 8, p.y * 8, 8, 3, 0.5f, 913);
    // Deeper orange near the body, paler towards the edge; the hindwing a little darker.
    const float reach = Length(p - Vec2{0.0f, 0.5f});
    Rgba colour = Mix(Hex(0xC8561A), Hex(0xF4A23C), Smoothstep(0.05f, 0.7f, reach));
    colour = Scaled(colour, (p.y > 0.5f ? 0.88f : 1.0f) * (0.94f + 0.1f * grain));
    colour = Mix(colour, Hex(0x4A2A18), Smoothstep(0.12f, 0.0f, reach));  // furry root
    const Rgba black = Hex(0x15110E);
    colour = Mix(colour, black, Fill(VeinDistance(p) - 0.008f, 2 * pixel));
    // A forewing tip dipped in black.
    colour = Mix(colour, black, Smoothstep(0.72f, 0.86f, p.x - 0.6f * p.y + 0.12f));
    // The border band with two rows of white spots.
    const float band = Fill(-edge - 0.075f, 3 * pixel);
    colour = Mix(colour, black, band);
    for (const Vec2& corner : Outline()) {
      for (float inset : {0.03f, 0.058f}) {
        const Vec2 towardsHinge = Vec2{0.0f, 0.5f} - corner;
        const Vec2 spot = corner + towardsHinge * (inset / std::fmax(Length(towardsHinge), 1e-3f));
        const float radius = inset < 0.04f ? 0.011f : 0.008f;
        colour = Mix(colour, Hex(0xF4EEE0), Fill(Length(p - spot) - radius, 2 * pixel));
      }
    }
    return WithAlpha(colour, Fill(edge, 2 * pixel));
  });
  return image;
}

}  // namespace demo_show
