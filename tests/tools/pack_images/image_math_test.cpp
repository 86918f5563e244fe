// The painting maths: shapes, noise that must tile, colour compositing, the byte layout the
// PNG writer hands on, and the normal-map encoding the shaders decode.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/pack_images/colour.h"
#include "tools/pack_images/image.h"
#include "tools/pack_images/noise.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

TEST(ShapeMath, StepsAndFills) {
  struct Case {
    float value, expected;
  } cases[] = {
      {Smoothstep(0.0f, 1.0f, -1.0f), 0.0f},
      {Smoothstep(0.0f, 1.0f, 0.5f), 0.5f},
      {Smoothstep(0.0f, 1.0f, 2.0f), 1.0f},
      {Smoothstep(1.0f, 0.0f, 0.25f), 0.84375f},
      {Fill(-1.0f, 1.0f), 1.0f},
      {Fill(0.0f, 1.0f), 0.5f},
      {Fill(0.25f, 1.0f), 0.25f},
      {Fill(3.0f, 1.0f), 0.0f},
      {Bump(0.0f, 2.0f), 1.0f},
      {Bump(-2.0f, 2.0f), 0.0f},
  };
  for (const Case& c : cases) EXPECT_FLOAT_EQ(c.value, c.expected);
}

TEST(ShapeMath, Distances) {
  struct Case {
    float value, expected;
  } cases[] = {
      {DistanceToSegment({0, 3}, {-1, 0}, {1, 0}), 3.0f},  // over the middle
      {DistanceToSegment({4, 4}, {-1, 0}, {1, 0}), 5.0f},  // past an end: to the end point
      {DistanceToSegment({2, 2}, {1, 1}, {1, 1}), std::sqrt(2.0f)},  // a point-like segment
      {EllipseDistance({4, 0}, {4, 2}), 0.0f},                       // on the outline
      {EllipseDistance({0, 2}, {4, 2}), 0.0f},
      {EllipseDistance({6, 0}, {4, 2}), 2.0f},  // along an axis, exact
      {EllipseDistance({0, 0}, {4, 2}), -2.0f},
      {DistanceToStrokes({5, 1}, {{{0, 0}, {4, 0}, {4, 4}}, {{5, 0}}}), 1.0f},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.value, c.expected, 1e-5f);
}

TEST(Noise, IsDeterministicZeroOnTheLatticeAndBounded) {
  EXPECT_EQ(HashPoint(3, -7, 11), HashPoint(3, -7, 11));
  EXPECT_NE(HashPoint(3, -7, 11), HashPoint(3, -7, 12));
  EXPECT_FLOAT_EQ(GradientNoise(5.0f, 2.0f, 8, 1), 0.0f);
  float low = 0, high = 0;
  for (int i = 0; i < 4000; ++i) {
    const float n = GradientNoise(i * 0.137f, i * 0.071f, 16, 3);
    low = std::fmin(low, n);
    high = std::fmax(high, n);
  }
  EXPECT_GE(low, -1.0f);
  EXPECT_LE(high, 1.0f);
  EXPECT_LT(low, -0.4f);  // and it does vary
  EXPECT_GT(high, 0.4f);
}

TEST(Noise, TilesWithItsPeriod) {
  for (float x : {0.3f, 2.7f, 6.9f}) {
    for (float y : {0.1f, 4.4f}) {
      EXPECT_NEAR(GradientNoise(x, y, 8, 5), GradientNoise(x + 8.0f, y, 8, 5), 1e-5f);
      EXPECT_NEAR(GradientNoise(x, y, 8, 5), GradientNoise(x, y - 8.0f, 8, 5), 1e-5f);
      EXPECT_NEAR(FractalNoise(x, y, 4, 5, 0.5f, 9),
                  FractalNoise(x + 4.0f, y + 4.0f, 4, 5, 0.5f, 9), 1e-5f);
    }
  }
}

TEST(Colour, RampsAndCompositing) {
  const Rgba red = Hex(0xFF0000), blue = Hex(0x0000FF);
  const Rgba stops[] = {red, blue};
  EXPECT_FLOAT_EQ(Ramp(stops, 2, -1.0f).r, 1.0f);
  EXPECT_FLOAT_EQ(Ramp(stops, 2, 0.5f).b, 0.5f);
  EXPECT_FLOAT_EQ(Ramp(stops, 2, 1.0f).b, 1.0f);

  struct Case {
    Rgba top, bottom, expected;
  } cases[] = {
      {red, blue, red},                                  // opaque top hides the bottom
      {WithAlpha(red, 0.0f), blue, blue},                // transparent top leaves it
      {WithAlpha(red, 0.5f), blue, {0.5f, 0, 0.5f, 1}},  // half and half
      {WithAlpha(red, 0.5f), WithAlpha(blue, 0.0f), WithAlpha(red, 0.5f)},  // over nothing
      {Rgba{}, Rgba{}, Rgba{}},
  };
  for (const Case& c : cases) {
    const Rgba out = Over(c.top, c.bottom);
    EXPECT_NEAR(out.r, c.expected.r, 1e-6f);
    EXPECT_NEAR(out.b, c.expected.b, 1e-6f);
    EXPECT_NEAR(out.a, c.expected.a, 1e-6f);
  }
}

TEST(Image, BytesAreBgraRoundedAndClamped) {
  Image image(2, 1);
  image.At(0, 0) = {1.0f, 0.5f, 0.0f, 0.2f};
  image.At(1, 0) = {-0.5f, 2.0f, 0.999f, 1.0f};
  const std::vector<uint8_t> expected = {0, 128, 255, 51, 255, 255, 0, 255};
  EXPECT_EQ(ToBgra8(image), expected);
}

TEST(Image, PaintVisitsPixelCentres) {
  Image image(3, 2);
  image.Paint([](float x, float y) { return Rgba{x, y, 0, 1}; });
  EXPECT_FLOAT_EQ(image.At(0, 0).r, 0.5f);
  EXPECT_FLOAT_EQ(image.At(2, 1).r, 2.5f);
  EXPECT_FLOAT_EQ(image.At(2, 1).g, 1.5f);
}

TEST(NormalMap, EncodesSlopesAlongUAndV) {
  // A height field that rises by 1 per pixel towards +u (wrapping back at the edge).
  HeightField slope{8, 8, std::vector<float>(64)};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) slope.values[y * 8 + x] = static_cast<float>(x);
  const Image map = NormalMap(slope, 1.0f);
  const Rgba n = map.At(3, 4);  // away from the wrap: slope exactly 1
  const float k = 1.0f / std::sqrt(2.0f);
  EXPECT_NEAR(n.r, 0.5f - 0.5f * k, 1e-5f);  // normal leans towards -u
  EXPECT_NEAR(n.g, 0.5f, 1e-5f);
  EXPECT_NEAR(n.b, 0.5f + 0.5f * k, 1e-5f);
  EXPECT_NEAR(map.At(0, 0).a, 0.0f, 1e-6f);  // alpha: height over its range
  EXPECT_NEAR(map.At(7, 0).a, 1.0f, 1e-6f);

  HeightField flat{4, 4, std::vector<float>(16, 2.0f)};
  const Rgba up = NormalMap(flat, 5.0f).At(1, 2);
  EXPECT_FLOAT_EQ(up.r, 0.5f);
  EXPECT_FLOAT_EQ(up.g, 0.5f);
  EXPECT_FLOAT_EQ(up.b, 1.0f);
}

}  // namespace
}  // namespace pack_images
