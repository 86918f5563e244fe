#include "tools/pack_images/image.h"

#include <algorithm>
#include <cmath>

#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

uint8_t Level(float channel) {
  return static_cast<uint8_t>(std::lround(Clamp01(channel) * 255.0f));
}

int Wrap(int i, int n) { return ((i % n) + n) % n; }

}  // namespace

std::vector<uint8_t> ToBgra8(const Image& image) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(image.Width()) * image.Height() * 4);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& c = image.At(x, y);
      bytes.insert(bytes.end(), {Level(c.b), Level(c.g), Level(c.r), Level(c.a)});
    }
  }
  return bytes;
}

float HeightField::At(int x, int y) const {
  return values[Wrap(y, height) * width + Wrap(x, width)];
}

Image NormalMap(const HeightField& heights, float relief) {
  const auto [low, high] = std::minmax_element(heights.values.begin(), heights.values.end());
  const float range = *high > *low ? *high - *low : 1.0f;
  Image map(heights.width, heights.height);
  for (int y = 0; y < heights.height; ++y) {
    for (int x = 0; x < heights.width; ++x) {
      // Central differences along u (columns) and v (rows).
      const float dx = (heights.At(x + 1, y) - heights.At(x - 1, y)) * 0.5f * relief;
      const float dy = (heights.At(x, y + 1) - heights.At(x, y - 1)) * 0.5f * relief;
      const float length = std::sqrt(dx * dx + dy * dy + 1.0f);
      map.At(x, y) = {0.5f - 0.5f * dx / length, 0.5f - 0.5f * dy / length, 0.5f + 0.5f / length,
                      (heights.At(x, y) - *low) / range};
    }
  }
  return map;
}

}  // namespace pack_images
