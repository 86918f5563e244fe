// The glass ball's overlays and stand. The ball light draws the overlays on its ball quad
// (512 x 512 units, the ball a circle of radius 254 in it) and the stand on a quad below it,
// so each image is painted in the ball quad's own units with y up and the ball centre at the
// origin: the stand's cradle then follows the ball's outline. Light comes from the upper left.
#include <cmath>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int OverlaySize = 512;
constexpr int StandWidth = 512, StandHeight = 256;
constexpr float BallRadius = 254.0f;

// The stand quad's corners in ball units.
constexpr float StandLeft = -230.4f, StandRight = 232.9f;
constexpr float StandTop = -185.61412f, StandBottom = -372.19293f;

// Ball units of an overlay pixel: the quad spans -256..256 with v growing downwards.
Vec2 OverlayPoint(float px, float py) { return {px - OverlaySize * 0.5f, OverlaySize * 0.5f - py}; }

// Coverage of the ball's disc, softened over one unit at the outline.
float InsideBall(Vec2 p) { return Fill(Length(p) - BallRadius, 1.5f); }

// Soft elliptical spot: 1 in the middle, 0 at its outline.
float Spot(Vec2 p, Vec2 centre, Vec2 radii, float angle) {
  const Vec2 q = Rotated(p - centre, -angle);
  const float k = Length({q.x / radii.x, q.y / radii.y});
  return Smoothstep(1.0f, 0.0f, k);
}

// Brass on a surface of revolution: `across` is -1..1 from the left to the right edge.
Rgba Brass(float across, float lift) {
  const float s = std::fmax(-1.0f, std::fmin(1.0f, across));
  const float facing = std::sqrt(std::fmax(0.0f, 1.0f - s * s));
  const float diffuse = Clamp01(0.55f * facing - 0.45f * s + 0.2f + lift);
  const float highlight = std::pow(Bump(s + 0.42f, 0.22f), 2.0f);
  Rgba colour = Mix(Hex(0x3C2A0C), Hex(0xC8A04A), diffuse);
  return Mix(colour, Hex(0xFFF3C8), highlight * 0.9f);
}

// Polished dark wood, shaded like the brass but with grain.
Rgba Wood(Vec2 p, float across, float lift) {
  const float s = std::fmax(-1.0f, std::fmin(1.0f, across));
  const float facing = std::sqrt(std::fmax(0.0f, 1.0f - s * s));
  const float grain = FractalNoise(p.x * 0.01f, p.y * 0.12f, 1 << 12, 4, 0.5f, 606);
  const float diffuse = Clamp01(0.5f * facing - 0.4f * s + 0.25f + lift + 0.12f * grain);
  Rgba colour = Mix(Hex(0x1E0C06), Hex(0x7A3A1C), diffuse);
  return Mix(colour, Hex(0xE8C8A8), 0.3f * std::pow(Bump(s + 0.5f, 0.18f), 2.0f));
}

// One part of the stand, a solid of revolution seen slightly from above: its outline
// half-width at height y, and its material.
struct Band {
  float top, bottom;            // y range
  float topWidth, bottomWidth;  // half-widths at the two ends
  bool wood;                    // wood or brass
};

// From the ball down: the cup that holds the ball, the neck, a bead, the neck's foot, the
// wooden base.
const Band StandBands[] = {
    {-222.0f, -268.0f, 150.0f, 62.0f, false}, {-268.0f, -292.0f, 40.0f, 34.0f, false},
    {-292.0f, -308.0f, 52.0f, 52.0f, false},  {-308.0f, -326.0f, 36.0f, 60.0f, false},
    {-326.0f, -366.0f, 168.0f, 182.0f, true},
};

// The cup's rim: an ellipse (the ring seen from slightly above) at this height.
constexpr float RimY = -222.0f;
constexpr Vec2 RimRadii = {150.0f, 16.0f};

}  // namespace

Image MakeGlassHighlights() {
  Image image(OverlaySize, OverlaySize);
  image.Paint([](float px, float py) {
    const Vec2 p = OverlayPoint(px, py);
    // A window-like reflection up left, a small hard glint in it, a faint arc along the top.
    const float window = 0.65f * std::pow(Spot(p, {-95.0f, 112.0f}, {86.0f, 50.0f}, 0.72f), 1.5f);
    const float glint = Spot(p, {-78.0f, 98.0f}, {15.0f, 11.0f}, 0.72f);
    const float arc = 0.22f * Bump(Length(p) - 232.0f, 10.0f) *
                      Smoothstep(0.1f, 0.7f, Dot(p * (1.0f / BallRadius), {-0.5f, 0.86f}));
    const float alpha = Clamp01(std::fmax(window, glint) + arc) * InsideBall(p);
    return Rgba{1.0f, 1.0f, 1.0f, alpha};
  });
  return image;
}

Image MakeGlassRim() {
  Image image(OverlaySize, OverlaySize);
  image.Paint([](float px, float py) {
    const Vec2 p = OverlayPoint(px, py);
    const float r = Length(p) / BallRadius;
    // The glass looks thicker towards the edge: a dark, slightly blue ring...
    const float edge = std::pow(Smoothstep(0.55f, 1.0f, r), 2.2f);
    Rgba colour = WithAlpha(Hex(0x0B1420), 0.75f * edge);
    // ...with light refracted along the lower right edge, opposite the highlights.
    const float caught = Bump(r - 0.955f, 0.05f) *
                         Smoothstep(0.0f, 0.8f, Dot(p * (1.0f / Length(p)), {0.6f, -0.8f}));
    colour = Over(WithAlpha(Hex(0xDDEBFF), 0.7f * caught), colour);
    colour.a *= InsideBall(p);
    return colour;
  });
  return image;
}

Image MakeBallStand() {
  Image image(StandWidth, StandHeight);
  image.Paint([](float px, float py) {
    const Vec2 p = {Lerp(StandLeft, StandRight, px / StandWidth),
                    Lerp(StandTop, StandBottom, py / StandHeight)};
    // The stand is drawn over the ball: behind the rim's front edge only what lies beside
    // the ball may show.
    const float besideBall = Smoothstep(BallRadius - 1.0f, BallRadius + 1.0f, Length(p));
    const float visible = p.y < RimY ? 1.0f : besideBall;
    Rgba colour = {};
    for (const Band& band : StandBands) {
      if (p.y > band.top + 24.0f || p.y < band.bottom - 24.0f) continue;
      const float t = Clamp01((band.top - p.y) / (band.top - band.bottom));
      const float halfWidth = Lerp(band.topWidth, band.bottomWidth, std::sqrt(t));
      // Each band ends in an elliptical edge at top and bottom, as a turned part does.
      const float capTop = EllipseDistance({p.x, p.y - band.top}, {halfWidth, halfWidth * 0.1f});
      const float capBottom =
          EllipseDistance({p.x, p.y - band.bottom}, {halfWidth, halfWidth * 0.1f});
      const float side = std::fabs(p.x) - halfWidth;
      const float body = std::fmax(side, std::fmax(p.y - band.top, band.bottom - p.y));
      const float d = std::fmin(std::fmin(body, capTop), capBottom);
      const float inside = Fill(d, 1.2f) * visible;
      if (inside <= 0.0f) continue;
      const float across = p.x / halfWidth;
      // Upper faces catch more light.
      const float lift =
          0.25f * Fill(capTop, 1.0f) * Smoothstep(band.top - 6.0f, band.top + 6.0f, p.y);
      const Rgba material = band.wood ? Wood(p, across, lift) : Brass(across, lift);
      colour = Over(WithAlpha(material, inside), colour);
    }
    // The cup's rim: its front half in front of the ball, its back half only where it shows
    // beside the ball.
    const Vec2 q = {p.x, p.y - RimY};
    const float ring = std::fabs(EllipseDistance(q, RimRadii)) - 5.0f;
    const bool front = q.y < 0.0f;
    const float rim = Fill(ring, 1.2f) * visible;
    if (rim > 0.0f)
      colour = Over(WithAlpha(Brass(p.x / RimRadii.x, front ? 0.15f : -0.2f), rim), colour);
    return colour;
  });
  return image;
}

}  // namespace pack_images
