// The butterfly's body texture, wrapped round the body mesh: u goes once round the body
// starting on its back, v runs from the head (top row) to the tail. Dark eyes on the head's
// sides, a furry thorax, and a ringed abdomen that is paler underneath.
#include <cmath>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int Width = 128;
constexpr int Height = 256;
constexpr float HeadEnd = 0.15f;    // v where the head meets the thorax
constexpr float ThoraxEnd = 0.42f;  // v where the thorax meets the abdomen
constexpr int Rings = 7;            // abdomen segments

// Distance round the body between u values a and b (0..0.5).
float AroundDistance(float a, float b) {
  const float d = std::fabs(a - b);
  return std::fmin(d, 1.0f - d);
}

}  // namespace

Image MakeButterflyBody() {
  Image image(Width, Height);
  image.Paint([](float px, float py) {
    const float u = px / Width, v = py / Height;
    const float belly = AroundDistance(u, 0.0f) * 2.0f;  // 0 on the back, 1 underneath
    // Fine hairs: noise stretched along the body, tiling round it.
    const float hair = FractalNoise(u * 32.0f, v * 6.0f, 32, 3, 0.6f, 616);
    Rgba colour;
    if (v < HeadEnd) {
      colour = Scaled(Hex(0x2A1E16), 1.0f + 0.25f * hair);
      // Compound eyes on both sides, each with a glint.
      for (float side : {0.25f, 0.75f}) {
        const float d = Length({AroundDistance(u, side) * 2.6f, (v - 0.07f) * 4.0f});
        colour = Mix(colour, Hex(0x0B0A10), Fill(d - 0.16f, 0.03f));
        const float glint = Fill(
            Length({AroundDistance(u, side - 0.03f) * 2.6f, (v - 0.055f) * 4.0f}) - 0.04f, 0.03f);
        colour = Mix(colour, Hex(0xB8C4D8), 0.8f * glint);
      }
    } else if (v < ThoraxEnd) {
      // Golden-brown fur, lighter on the back where the light falls.
      colour = Mix(Hex(0x7A5630), Hex(0x3A2716), belly);
      colour = Scaled(colour, 0.8f + 0.45f * hair);
    } else {
      const float t = (v - ThoraxEnd) / (1.0f - ThoraxEnd);
      const float ring = std::fmod(t * Rings, 1.0f);
      const float seam = Bump(ring, 0.18f) + Bump(ring - 1.0f, 0.18f);
      colour = Mix(Hex(0x33241A), Hex(0xB08A5A), 0.75f * belly);
      colour = Mix(colour, Hex(0xD8A24A), 0.35f * Bump(ring - 0.55f, 0.25f) * (1.0f - belly));
      colour = Scaled(colour, (1.0f - 0.45f * seam) * (0.92f + 0.12f * hair));
    }
    // Soft transitions between head, thorax and abdomen: darker creases.
    const float crease = Bump(v - HeadEnd, 0.02f) + Bump(v - ThoraxEnd, 0.025f);
    return WithAlpha(Scaled(colour, 1.0f - 0.5f * crease), 1.0f);
  });
  return image;
}

}  // namespace pack_images
