// Rounding, value noise and random ranges. The noise reference values were computed
// independently from the lattice hash and cosine interpolation in double precision.
#include <gtest/gtest.h>

#include <cstdlib>

#include "render/noise.h"
#include "render/random_range.h"
#include "render/round_to_int.h"

namespace {

TEST(RoundToInt, RoundsToNearestWithTiesToEven) {
  struct Case {
    float x;
    int32_t expected;
  };
  const Case cases[] = {{2.5f, 2}, {3.5f, 4}, {-2.5f, -2}, {0.5f, 0}, {1.4f, 1}, {-1.6f, -2}, {7, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(c.expected, RoundToInt(c.x));
  }
}

TEST(ValueNoise1D, MatchesReferenceValues) {
  struct Case {
    double x, expected;
  };
  const Case cases[] = {
      {0, -0.2817909838631749},     {1, -0.2263730512931943},    {2, 0.29363288078457117},
      {0.5, -0.25408201693519517},  {0.25, -0.27367521531063954}, {2.75, -0.17651975630931982},
      {-1.5, 0.309167638677641},    {-3.25, 0.0020205969184196038},
      {100.125, 0.7825563044775586}, {1000000.5, 0.028384998506753578},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_NEAR(c.expected, ValueNoise1D(c.x), 1e-12);
  }
}

TEST(ValueNoise1D, MirrorsItselfBetweenMinusOneAndOne) {
  for (double x : {0.1, 0.5, 0.9}) {
    SCOPED_TRACE(x);
    EXPECT_DOUBLE_EQ(ValueNoise1D(x), ValueNoise1D(-x));
  }
}

TEST(FractalNoise1D, SumsOctavesOfValueNoise) {
  EXPECT_DOUBLE_EQ(ValueNoise1D(1.3 / 2.0), FractalNoise1D(1.3, 2.0, 0.5, 1));
  EXPECT_NEAR(-0.3178209632934532, FractalNoise1D(1.3, 2.0, 0.5, 3), 1e-12);
  EXPECT_NEAR(-0.26270843465254523, FractalNoise1D(10.7, 4.0, 0.65, 5), 1e-12);
  EXPECT_EQ(0, FractalNoise1D(1.3, 2.0, 0.5, 0));
  EXPECT_EQ(0, FractalNoise1D(1.3, 2.0, 0.5, -2));
}

TEST(RandomRange, TheRuntimeGeneratorIsTheWindowsOne) {
  // The documented first draws of the Windows C runtime after srand(1); draw-order-dependent
  // behaviour is only reproducible with this generator.
  std::srand(1);
  EXPECT_EQ(41, std::rand());
  EXPECT_EQ(18467, std::rand());
  EXPECT_EQ(6334, std::rand());
}

TEST(RandomRange, DrawsOncePerCallAndScalesTheDrawOntoTheRange) {
  std::srand(5);
  const int first = std::rand();
  const int second = std::rand();
  std::srand(5);
  EXPECT_FLOAT_EQ(-2 + static_cast<float>(first / 32767.0 * 6), RandomRange(-2, 4));
  EXPECT_FLOAT_EQ(static_cast<float>(second / 32767.0 * 10), RandomRange(0, 10));
}

TEST(RandomRange, BothEndsAreReachable) {
  EXPECT_EQ(2, RandomRange(2, 2));
  unsigned seed = 0;
  for (; seed < (1u << 22); ++seed) {
    std::srand(seed);
    if (std::rand() == 32767) break;
  }
  ASSERT_LT(seed, 1u << 22) << "no seed gives a first draw of 32767";
  std::srand(seed);
  EXPECT_EQ(1.0f, RandomRange(0, 1));
}

}  // namespace
