// A falling leaf's picture and mesh. The picture is an oval leaf with a pointed tip, a midrib
// and side veins, turning from green at the stem through yellow to red at the rim; the mesh a
// small curled square that carries it, so the picture's transparency gives the leaf its shape.
#include <cmath>
#include <cstdio>

#include "tools/demo_show/demo_objects.h"
#include "tools/pack_images/noise.h"
#include "tools/pack_images/shape_math.h"

namespace demo_show {
namespace {

using namespace pack_images;

constexpr int Size = 128;

// The leaf's half width at height t along it (0 the stem end, 1 the tip), in picture widths.
float HalfWidth(float t) {
  if (t <= 0.0f || t >= 1.0f) return 0.0f;
  return 0.4f * std::pow(std::sin(Pi * std::pow(t, 0.8f)), 0.9f) * (1.0f - 0.25f * t);
}

}  // namespace

Image MakeAutumnLeaf() {
  Image image(Size, Size);
  const float pixel = 1.0f / Size;
  image.Paint([pixel](float px, float py) {
    // x across the leaf from its midrib, t along it from the stem (bottom) to the tip (top).
    const float x = px * pixel - 0.5f;
    const float t = (0.92f - py * pixel) / 0.86f;
    const float halfWidth = HalfWidth(t);
    const float rim = std::fabs(x) - halfWidth;
    const float stem = (t < 0.02f && t > -0.08f) ? std::fabs(x) - 0.012f : 1.0f;
    const float cover = std::fmax(Fill(rim, 2 * pixel), Fill(stem, 2 * pixel));
    if (cover <= 0.0f) return Rgba{};
    const float toRim = halfWidth > 0 ? std::fabs(x) / halfWidth : 1.0f;
    const Rgba stops[] = {Hex(0x8A9A2A), Hex(0xE8B02A), Hex(0xE0641C), Hex(0xA8261A)};
    const float blotch = FractalNoise(px * pixel * 5, py * pixel * 5, 5, 3, 0.55f, 431);
    Rgba colour = Ramp(stops, 4, Clamp01(0.35f * t + 0.55f * toRim + 0.25f * blotch));
    // Midrib and side veins, paler than the blade.
    const float midrib = Fill(std::fabs(x) - 0.006f * (1.2f - t), pixel);
    const float along = t * 7.0f - std::fabs(x) * 9.0f;
    const float vein = Bump(along - std::round(along), 0.08f) * Smoothstep(0.95f, 0.2f, toRim);
    colour = Mix(colour, Hex(0xF2D890), 0.7f * std::fmax(midrib, 0.6f * vein));
    colour = Scaled(colour, 0.85f + 0.2f * toRim * (1.0f - toRim) * 4.0f * 0.5f);
    return WithAlpha(colour, cover);
  });
  return image;
}

std::string MakeLeafMesh() {
  // A 5 x 5 grid, 20 units across, whose sides curl a little towards the viewer (-z).
  constexpr int N = 5;
  constexpr float Half = 10.0f;
  std::string x = "xof 0303txt 0032\nMesh Leaf {\n";
  char line[96];
  x += std::to_string(N * N) + ";\n";
  for (int row = 0; row < N; ++row) {
    for (int column = 0; column < N; ++column) {
      const float u = static_cast<float>(column) / (N - 1), v = static_cast<float>(row) / (N - 1);
      const float across = 2 * u - 1;
      const float curl = -2.5f * across * across + 0.8f * std::sin(Pi * v);
      std::snprintf(line, sizeof line, "%.4f;%.4f;%.4f;%s\n", (2 * u - 1) * Half,
                    (1 - 2 * v) * Half, curl, row == N - 1 && column == N - 1 ? ";" : ",");
      x += line;
    }
  }
  const int cells = (N - 1) * (N - 1);
  x += std::to_string(2 * cells) + ";\n";
  for (int row = 0; row + 1 < N; ++row) {
    for (int column = 0; column + 1 < N; ++column) {
      const int a = row * N + column, b = a + 1, c = a + N, d = c + 1;
      const bool last = row == N - 2 && column == N - 2;
      std::snprintf(line, sizeof line, "3;%d,%d,%d;,\n3;%d,%d,%d;%s\n", a, b, c, b, d, c,
                    last ? ";" : ",");
      x += line;
    }
  }
  x += "MeshTextureCoords {\n" + std::to_string(N * N) + ";\n";
  for (int row = 0; row < N; ++row) {
    for (int column = 0; column < N; ++column) {
      std::snprintf(line, sizeof line, "%.4f;%.4f;%s\n", static_cast<float>(column) / (N - 1),
                    static_cast<float>(row) / (N - 1),
                    row == N - 1 && column == N - 1 ? ";" : ",");
      x += line;
    }
  }
  x += "}\n}\n";
  return x;
}

}  // namespace demo_show
