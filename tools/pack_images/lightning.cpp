// Lightning textures. A bolt segment is drawn as a quad whose u runs along the segment and
// whose v runs across it, and each segment uses one half of v (0..0.5 or 0.5..1, either way
// up): so each half holds one variant of the bolt, running from left to right across the
// middle of its half. Inner segments show u 0.195..0.805, and their bolts meet in the middle
// of the half at both ends, so consecutive segments join whichever variant they pick; the
// outer 19.5 % are end caps, used only where the bolt starts or ends, where it narrows to a
// bright point. Colours are white to pale blue in straight alpha: alpha shapes the bolt.
#include <cmath>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int Size = 256;
constexpr float CapStart = 0.195f;
constexpr float CapEnd = 0.805f;
constexpr float TipStart = 0.05f;  // where the bolt ends inside each cap
constexpr float TipEnd = 0.95f;

struct BoltStyle {
  float core;  // half-width of the white core, in pixels
  float glow;  // fall-off distance of the glow, in pixels
  float glowAlpha;
  float wander;  // how far the bolt strays from the middle line, in pixels
  bool jagged;   // zigzags between its bends (else it curves smoothly through them)
  bool forks;    // whether short branches leave the bolt
  uint32_t seed;
};

float Jitter(int i, int j, uint32_t seed) {
  return (HashPoint(i, j, seed) & 0xFFFF) / 65535.0f * 2.0f - 1.0f;
}

// Splits every span of the line at its middle, moved sideways by up to `roughness` times the
// span's length: the small zigzags of a real discharge.
std::vector<Vec2> Roughened(const std::vector<Vec2>& line, float roughness, uint32_t seed) {
  std::vector<Vec2> out = {line.front()};
  for (size_t i = 1; i < line.size(); ++i) {
    const Vec2 a = line[i - 1], b = line[i];
    const float offset = Jitter(static_cast<int>(i), 3, seed) * roughness * Length(b - a);
    out.push_back({(a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f + offset});
    out.push_back(b);
  }
  return out;
}

// The line resampled along smooth S-curves through its points.
std::vector<Vec2> Smoothed(const std::vector<Vec2>& line) {
  std::vector<Vec2> out = {line.front()};
  for (size_t i = 1; i < line.size(); ++i)
    for (int k = 1; k <= 8; ++k) {
      const float t = k / 8.0f;
      out.push_back({Lerp(line[i - 1].x, line[i].x, t),
                     Lerp(line[i - 1].y, line[i].y, Smoothstep(0.0f, 1.0f, t))});
    }
  return out;
}

// The bolt of one variant in half-local pixels: x along u (0..Size), y from the half's middle.
// Its first entry is the main bolt, any further ones are branches.
Strokes BoltPath(const BoltStyle& style, int variant) {
  const uint32_t seed = style.seed + 17u * variant;
  constexpr int Bends = 6;
  std::vector<Vec2> bends = {{CapStart * Size, 0.0f}};
  for (int k = 1; k < Bends; ++k)
    bends.push_back({Lerp(CapStart, CapEnd, static_cast<float>(k) / Bends) * Size,
                     Jitter(k, variant, seed) * style.wander});
  bends.push_back({CapEnd * Size, 0.0f});
  std::vector<Vec2> main =
      style.jagged ? Roughened(Roughened(bends, 0.3f, seed), 0.3f, seed + 1) : Smoothed(bends);
  main.insert(main.begin(), {TipStart * Size, 0.0f});
  main.push_back({TipEnd * Size, 0.0f});
  Strokes strokes = {main};
  if (!style.forks) return strokes;
  for (int k = 2; k < Bends; k += 2) {
    const Vec2 from = bends[k];
    const uint32_t h = HashPoint(k, variant + 7, seed);
    const float side = (h & 1) ? 1.0f : -1.0f;
    const float length = 18.0f + (h >> 8 & 0x1F);
    const Vec2 to = {from.x + length, from.y + side * length * 0.6f};
    strokes.push_back(Roughened(Roughened({from, to}, 0.35f, seed + k), 0.3f, seed + k + 1));
  }
  return strokes;
}

Image PaintBolts(const BoltStyle& style) {
  const Strokes variants[] = {BoltPath(style, 0), BoltPath(style, 1)};
  Image image(Size, Size);
  const float half = Size * 0.5f;
  image.Paint([&](float px, float py) {
    const int variant = py < half ? 0 : 1;
    const Vec2 p = {px, py - (variant + 0.5f) * half};
    const Strokes& strokes = variants[variant];
    // The main bolt narrows into each tip; branches are thinner.
    const float narrowing = Smoothstep(TipStart * Size, CapStart * Size, px) *
                            Smoothstep(TipEnd * Size, CapEnd * Size, px);
    const float main =
        DistanceToStrokes(p, {strokes[0]}) - style.core * (0.35f + 0.65f * narrowing);
    float fork = INFINITY;
    for (size_t i = 1; i < strokes.size(); ++i)
      fork = std::fmin(fork, DistanceToStrokes(p, {strokes[i]}) - style.core * 0.5f);
    const float d = std::fmin(main, fork);
    // Flicker along the bolt so it looks like a discharge, not a tube.
    const float flicker =
        0.85f + 0.15f * GradientNoise(px / 40.0f, variant * 8.0f, 1 << 10, style.seed);
    const float core = Fill(d, 1.2f);
    const float glow = style.glowAlpha * std::exp(-std::fmax(d, 0.0f) / style.glow) * flicker;
    // Bright points where the bolt strikes.
    const float strike =
        std::fmin(Length(p - Vec2{TipStart * Size, 0.0f}), Length(p - Vec2{TipEnd * Size, 0.0f}));
    const float flare = 0.8f * std::exp(-strike / (style.glow * 0.6f));
    // Keep each variant inside its own half, fading before the border.
    const float inHalf = Smoothstep(half * 0.48f, half * 0.36f, std::fabs(p.y));
    const float alpha = Clamp01(std::fmax(core, glow + flare) * inHalf);
    const Rgba colour = Mix(Hex(0x9DB8FF), Hex(0xFFFFFF), Clamp01(core + flare));
    return WithAlpha(colour, alpha);
  });
  return image;
}

}  // namespace

Image MakeSharpBolt() { return PaintBolts({2.0f, 7.0f, 0.6f, 22.0f, true, true, 951}); }

Image MakePlasmaBolt() { return PaintBolts({3.5f, 14.0f, 0.8f, 14.0f, false, false, 983}); }

}  // namespace pack_images
