// The lake's arithmetic: horizon and mirrored band, band pixels, bump tiling, tint alphas, the
// water colour's byte order and the turning bump matrix.
#include <gtest/gtest.h>

#include <cmath>

#include "render/quad_colors.h"
#include "show/lights/lake_geometry.h"

namespace {

TEST(LakeGeometry, TheLakeMirrorsTheBandAboveTheHorizon) {
  struct Case {
    const char* what;
    float share;
    float horizonY;   // of an 800 x 600 picture
    float topV;       // read at the horizon
    float bottomV;    // read at the foot of the picture
  } cases[] = {
      {"the default share 0.375", 0.375f, 375, 0.625f, 0.25f},
      {"share 0.5 fills the lower half from the top", 0.5f, 300, 0.5f, 0.0f},
      {"share 0: a lake of no height", 0.0f, 600, 1.0f, 1.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LakeGeometry lake = BuildLakeGeometry(800, 600, c.share, 7);
    // Triangles (V1, V0, V2) and (V1, V2, V3): top-left, bottom-left, bottom-right, ...
    const float expectedY[6] = {c.horizonY, 600, 600, c.horizonY, 600, c.horizonY};
    const float expectedX[6] = {0, 0, 800, 0, 800, 800};
    for (int i = 0; i < 6; ++i) {
      EXPECT_FLOAT_EQ(expectedX[i], lake.lake[i].x) << i;
      EXPECT_FLOAT_EQ(expectedY[i], lake.lake[i].y) << i;
      EXPECT_FLOAT_EQ(expectedY[i] == 600 ? c.bottomV : c.topV, lake.lake[i].v1) << i;
      EXPECT_FLOAT_EQ(expectedX[i] / 800, lake.lake[i].u1) << i;
    }
    EXPECT_FLOAT_EQ(c.horizonY, lake.tint.Top());
    EXPECT_FLOAT_EQ(600, lake.tint.Bottom());
    EXPECT_FLOAT_EQ(c.horizonY, lake.band.Bottom());
  }
}

TEST(LakeGeometry, TheBandIsTheBandHeightAboveTheHorizonEvenWithoutALake) {
  struct Case {
    const char* what;
    float width, height, share;
    unsigned bandHeight;
    float bandPixels;
  } cases[] = {
      {"a share that divides evenly", 800, 600, 0.5f, 7, 7},
      {"the default share", 800, 600, 0.375f, 10, 10},
      {"share 0 would be 0 / 0", 800, 600, 0.0f, 7, 7},
      {"no picture would be 0 / 0", 0, 0, 0.375f, 7, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LakeGeometry lake = BuildLakeGeometry(c.width, c.height, c.share, c.bandHeight);
    EXPECT_FLOAT_EQ(c.bandPixels, lake.band.Bottom() - lake.band.Top());
    EXPECT_TRUE(std::isfinite(lake.band.Top()));
    EXPECT_FLOAT_EQ(0, lake.band.Left());
    EXPECT_FLOAT_EQ(c.width, lake.band.Right());
  }
}

TEST(LakeGeometry, BumpTilingSpansFromTheHorizonToTheBottom) {
  LakeGeometry lake = BuildLakeGeometry(800, 600, 0.375f, 7);
  SetBumpTiling(lake.lake, 2.5f);
  const float expected[6][2] = {{0.01f, 0.01f}, {0.01f, 2.5f}, {2.5f, 2.5f},
                                {0.01f, 0.01f}, {2.5f, 2.5f}, {2.5f, 0.01f}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_FLOAT_EQ(expected[i][0], lake.lake[i].u0) << i;
    EXPECT_FLOAT_EQ(expected[i][1], lake.lake[i].v0) << i;
  }
}

TEST(LakeGeometry, TintAlphasAndWaterColour) {
  const TintAlphas alphas = TintAlphasOf(31 * 0.008f, 0.58f);
  EXPECT_EQ(63u, AlphaByte(alphas.bottom * 255));
  EXPECT_EQ(26u, AlphaByte(alphas.horizon * 255));
  // A colour reference holds red in its low byte; the vertex colour wants it in bits 16-23.
  EXPECT_EQ(0x008040u, WaterColourRGB(0x408000));
  EXPECT_EQ(0x123456u, WaterColourRGB(0xFF563412));
}

TEST(LakeGeometry, TheBumpMatrixTurnsAtFourAndAHalfRadiansPerClockSecond) {
  const float quarterTurn = 3.14159265f / 2 / 4.5f;
  struct Case {
    float clock;
    BumpMatrix expected;
  } cases[] = {
      {0, {0.04f, 0, 0, 0.04f}},
      {quarterTurn, {0, -0.04f, 0.04f, 0}},
      {2 * quarterTurn, {-0.04f, 0, 0, -0.04f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clock);
    const BumpMatrix m = LakeBumpMatrix(c.clock);
    EXPECT_NEAR(c.expected.m00, m.m00, 1e-6);
    EXPECT_NEAR(c.expected.m01, m.m01, 1e-6);
    EXPECT_NEAR(c.expected.m10, m.m10, 1e-6);
    EXPECT_NEAR(c.expected.m11, m.m11, 1e-6);
  }
}

}  // namespace
