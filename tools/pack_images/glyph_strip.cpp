// The code rain's glyph strip: one column of cells, each holding a mirrored, katakana-like
// glyph drawn in white; the rain tints them through the vertex colour. The light divides the
// strip into (height / width + 2) equal cells, so that is the cell count painted here.
#include <cmath>

#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int Width = 64;
constexpr int Height = 1024;
constexpr int Cells = Height / Width + 2;

// Glyph strokes in a unit box, x to the right and y downwards; mirrored when painted.
const Strokes& Glyph(int index) {
  static const std::vector<Strokes> glyphs = {
      {{{0.05f, 0.05f}, {0.95f, 0.05f}, {0.6f, 0.38f}},
       {{0.5f, 0.3f}, {0.45f, 0.7f}, {0.15f, 1.0f}}},
      {{{0.85f, 0.0f}, {0.1f, 0.5f}}, {{0.5f, 0.28f}, {0.5f, 1.0f}}},
      {{{0.5f, 0.0f}, {0.5f, 0.18f}},
       {{0.1f, 0.42f}, {0.1f, 0.2f}, {0.9f, 0.2f}, {0.85f, 0.55f}, {0.3f, 1.0f}}},
      {{{0.15f, 0.08f}, {0.85f, 0.08f}},
       {{0.5f, 0.08f}, {0.5f, 0.9f}},
       {{0.02f, 0.9f}, {0.98f, 0.9f}}},
      {{{0.02f, 0.3f}, {0.98f, 0.3f}},
       {{0.62f, 0.0f}, {0.62f, 1.0f}, {0.45f, 0.9f}},
       {{0.6f, 0.36f}, {0.05f, 0.85f}}},
      {{{0.08f, 0.25f}, {0.9f, 0.25f}, {0.85f, 0.95f}, {0.68f, 0.82f}},
       {{0.45f, 0.0f}, {0.4f, 0.5f}, {0.08f, 1.0f}}},
      {{{0.1f, 0.32f}, {0.9f, 0.26f}},
       {{0.02f, 0.62f}, {0.98f, 0.55f}},
       {{0.38f, 0.0f}, {0.62f, 1.0f}}},
      {{{0.42f, 0.0f}, {0.08f, 0.42f}},
       {{0.32f, 0.16f}, {0.92f, 0.16f}, {0.75f, 0.58f}, {0.2f, 1.0f}}},
      {{{0.0f, 0.32f}, {1.0f, 0.32f}},
       {{0.3f, 0.02f}, {0.3f, 0.62f}},
       {{0.72f, 0.02f}, {0.72f, 0.55f}, {0.3f, 1.0f}}},
      {{{0.1f, 0.08f}, {0.32f, 0.2f}},
       {{0.04f, 0.42f}, {0.26f, 0.54f}},
       {{0.1f, 0.98f}, {0.92f, 0.3f}}},
      {{{0.08f, 0.12f}, {0.2f, 0.38f}},
       {{0.44f, 0.06f}, {0.54f, 0.32f}},
       {{0.92f, 0.06f}, {0.8f, 0.52f}, {0.3f, 1.0f}}},
      {{{0.2f, 0.04f}, {0.8f, 0.04f}},
       {{0.0f, 0.36f}, {1.0f, 0.36f}},
       {{0.5f, 0.36f}, {0.46f, 0.7f}, {0.2f, 1.0f}}},
      {{{0.0f, 0.36f}, {1.0f, 0.36f}}, {{0.56f, 0.0f}, {0.56f, 0.52f}, {0.2f, 1.0f}}},
      {{{0.36f, 0.18f}, {0.06f, 0.92f}}, {{0.64f, 0.18f}, {0.96f, 0.92f}}},
      {{{0.22f, 0.0f}, {0.22f, 0.92f}, {0.96f, 0.92f}}, {{0.22f, 0.44f}, {0.82f, 0.26f}}},
      {{{0.1f, 0.04f}, {0.9f, 0.04f}, {0.42f, 1.0f}}, {{0.3f, 0.5f}, {0.72f, 0.5f}}},
      {{{0.5f, 0.02f},
        {0.85f, 0.2f},
        {0.88f, 0.8f},
        {0.5f, 0.98f},
        {0.12f, 0.8f},
        {0.15f, 0.2f},
        {0.5f, 0.02f}},
       {{0.5f, 0.35f}, {0.5f, 0.65f}}},
      {{{0.2f, 0.08f}, {0.8f, 0.24f}},
       {{0.24f, 0.42f}, {0.76f, 0.56f}},
       {{0.12f, 0.72f}, {0.88f, 0.94f}}},
  };
  return glyphs[index % glyphs.size()];
}

}  // namespace

Image MakeGlyphStrip() {
  Image image(Width, Height);
  const float cellHeight = static_cast<float>(Height) / Cells;
  const float boxWidth = Width * 0.62f, boxHeight = cellHeight * 0.68f;
  const float stroke = Width * 0.045f;  // half the stroke width, in pixels
  image.Paint([&](float px, float py) {
    const int cell = static_cast<int>(py / cellHeight);
    const float top = cell * cellHeight + (cellHeight - boxHeight) * 0.5f;
    const float left = (Width - boxWidth) * 0.5f;
    const Vec2 p = {1.0f - (px - left) / boxWidth, (py - top) / boxHeight};
    // Distances in pixels: scale the box units back (the box is nearly square).
    const float d = DistanceToStrokes(p, Glyph(cell)) * boxWidth;
    const float core = Fill(d - stroke, 1.5f);
    // A soft glow round the strokes that dies out before the cell's border, so no glyph shows
    // in its neighbour's cell.
    const float border = std::fmin(py - cell * cellHeight, (cell + 1) * cellHeight - py);
    const float glow = 0.35f * std::exp(-std::fmax(d - stroke, 0.0f) / (stroke * 1.4f)) *
                       Smoothstep(0.0f, 5.0f, border);
    return Rgba{1.0f, 1.0f, 1.0f, std::fmax(core, glow)};
  });
  return image;
}

}  // namespace pack_images
