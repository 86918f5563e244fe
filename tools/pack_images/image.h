// A picture being painted: width x height straight-alpha colours, row 0 at the top.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/pack_images/colour.h"

namespace pack_images {

class Image {
public:
  Image(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba& At(int x, int y) { return pixels_[y * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[y * width_ + x]; }

  // Sets every pixel to shade(x, y), called with the pixel's centre (x + 0.5, y + 0.5).
  template <class Shade>
  void Paint(Shade shade) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) At(x, y) = shade(x + 0.5f, y + 0.5f);
  }

private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

// 8-bit B, G, R, A bytes per pixel, rows top to bottom: each channel clamped to 0..1 and
// rounded to the nearest of 256 levels.
std::vector<uint8_t> ToBgra8(const Image& image);

// A height field: one float per pixel, row-major, tiling like the noise it is made from.
struct HeightField {
  int width = 0, height = 0;
  std::vector<float> values;
  float At(int x, int y) const;  // wraps x and y
};

// Normals of a tiling height field (heights times `relief` in pixel units), x along u (the
// columns), y along v (the rows), z out of the surface, encoded as colour = normal * 0.5 + 0.5;
// alpha carries the height mapped from its range to 0..1.
Image NormalMap(const HeightField& heights, float relief);

}  // namespace pack_images
