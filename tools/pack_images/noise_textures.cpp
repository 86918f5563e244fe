// Tiling noise and the two bump maps made from noise. All three span whole noise periods, so
// they repeat seamlessly however far a shader scrolls them.
#include <cmath>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int Size = 256;

// Fractal noise over the whole image: `cells` lattice cells across the first octave.
HeightField NoiseField(int cells, int octaves, float gain, uint32_t seed) {
  HeightField field{Size, Size, std::vector<float>(Size * Size)};
  const float scale = static_cast<float>(cells) / Size;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
      field.values[y * Size + x] = FractalNoise(x * scale, y * scale, cells, octaves, gain, seed);
  return field;
}

}  // namespace

Image MakeNoise() {
  // Grey noise in the colour channels and an unrelated noise in alpha: a shader can read one
  // channel or two independent ones.
  const HeightField grey = NoiseField(8, 5, 0.55f, 101);
  const HeightField other = NoiseField(8, 5, 0.55f, 202);
  Image image(Size, Size);
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const float g = Clamp01(0.5f + 0.75f * grey.At(x, y));
      image.At(x, y) = {g, g, g, Clamp01(0.5f + 0.75f * other.At(x, y))};
    }
  }
  return image;
}

Image MakeHeatBump() {
  // Soft, rounded blobs: hot air bends light gently.
  return NormalMap(NoiseField(4, 3, 0.4f, 303), 24.0f);
}

Image MakeWaterBump() {
  // Crossing wave trains (whole numbers of waves across the tile, so they wrap) over fine noise.
  struct Wave {
    int kx, ky;
    float amplitude, phase;
  };
  static const Wave waves[] = {{3, 1, 1.0f, 0.0f}, {-2, 3, 0.8f, 1.3f}, {5, -2, 0.5f, 2.1f},
                               {1, 6, 0.4f, 4.0f}, {7, 4, 0.25f, 0.7f}, {-9, 5, 0.15f, 5.2f}};
  HeightField field = NoiseField(16, 3, 0.5f, 404);
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      float h = 0.2f * field.values[y * Size + x];
      for (const Wave& w : waves) {
        const float theta = 2.0f * Pi * (w.kx * x + w.ky * y) / Size + w.phase;
        // Narrower crests and wider troughs, as on real water.
        const float crest = 0.5f + 0.5f * std::sin(theta);
        h += w.amplitude * crest * crest;
      }
      field.values[y * Size + x] = h;
    }
  }
  return NormalMap(field, 10.0f);
}

}  // namespace pack_images
