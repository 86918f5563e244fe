// The water-ring light's settings as surface physics, its drop schedule and its camera window.
#include <gtest/gtest.h>

#include "show/lights/water_ring_parameters.h"

namespace {

TEST(WaterRingParameters, SettingsBecomeSurfacePhysics) {
  EXPECT_FLOAT_EQ(0.9f, SurfaceDamping(0));
  EXPECT_FLOAT_EQ(0.99f, SurfaceDamping(50));
  EXPECT_NEAR(0.999f, SurfaceDamping(100), 1e-6);
  EXPECT_NEAR(0.9882f, SurfaceDamping(49), 1e-6);
  EXPECT_FLOAT_EQ(1.0f, SurfaceWaveSpeed(0));
  EXPECT_FLOAT_EQ(3.0f, SurfaceWaveSpeed(100));
  EXPECT_FLOAT_EQ(0.45f, SurfaceDropStrength(50));
  EXPECT_FLOAT_EQ(0.2f, SurfaceDepth(20));
  EXPECT_FLOAT_EQ(1.0f, GridDetailFactor(0));
  EXPECT_FLOAT_EQ(2.0f, GridDetailFactor(100));
}

TEST(WaterRingParameters, ADropFallsOnceTheIntervalHasPassed) {
  const float halfPerSecond = 30 * (1.0f / 60);  // drop rate value 30
  struct Step {
    float t;
    bool drop;
  };
  const Step steps[] = {{0.5f, false}, {1.9f, false}, {2.1f, true}, {3.0f, false},
                        {4.2f, true},  {1.0f, false},  // time went back: counted from 1.0
                        {2.9f, false}, {3.1f, true}};
  float last = 0;
  for (const Step& step : steps) {
    EXPECT_EQ(step.drop, DropDue(step.t, halfPerSecond, last)) << "t = " << step.t;
  }
  // Rate 0: an infinite interval.
  float never = 0;
  for (float t : {1.0f, 100.0f, 1e6f}) EXPECT_FALSE(DropDue(t, 0, never));
}

TEST(WaterRingParameters, TheWindowKeepsTheWaterInProportion) {
  struct Case {
    const char* what;
    float aspect;
    int width, height;
    float halfWidth, halfHeight;
  } cases[] = {
      {"a target twice as wide as high, 4:3 picture", 0.75f, 1200, 600, 30, 15},
      {"4:3 on 4:3: the whole water", 0.75f, 800, 600, 20, 15},
      {"16:9 target, 4:3 picture: wider than the water", 0.75f, 1920, 1080, 26.666668f, 15},
      {"a tall target", 0.75f, 600, 800, 20, 26.666668f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const WaterWindow window = WaterWindowFor(c.aspect, c.width, c.height);
    EXPECT_FLOAT_EQ(c.halfWidth, window.halfWidth);
    EXPECT_FLOAT_EQ(c.halfHeight, window.halfHeight);
    // The window has the target's own proportions, so the water is not squashed.
    EXPECT_FLOAT_EQ(static_cast<float>(c.width) / c.height, window.halfWidth / window.halfHeight);
  }
}

}  // namespace
