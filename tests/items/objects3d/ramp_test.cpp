// The ramps the butterfly flies by: a target reached at a constant rate, never passed.
#include <gtest/gtest.h>

#include "items/objects3d/ramp.h"

namespace {

TEST(RampTest, SetTargetPointsTheRateAtTheTarget) {
  struct Case {
    const char* what;
    Ramp ramp;
    float target, rate;
    float expectedRate;
  } cases[] = {
      {"up, new rate", {0, 0, 50}, 10, 20, 20},
      {"down, new rate", {0, 0, 50}, -10, 20, -20},
      {"down, rate 0 keeps the old size", {0, 0, 50}, -10, 0, -50},
      {"up from a negative rate", {0, 0, -50}, 10, 0, 50},
      {"target equal to current counts as down", {5, 0, 50}, 5, 0, -50},
  };
  for (Case c : cases) {
    c.ramp.SetTarget(c.target, c.rate);
    EXPECT_EQ(c.target, c.ramp.target) << c.what;
    EXPECT_EQ(c.expectedRate, c.ramp.rate) << c.what;
  }
}

TEST(RampTest, AdvanceMovesAtTheRateAndLandsOnTheTarget) {
  struct Case {
    const char* what;
    Ramp ramp;
    float dt;
    float expected;
  } cases[] = {
      {"part way up", {0, 100, 50}, 1, 50},
      {"part way down", {0, -100, -50}, 1, -50},
      {"would pass above", {90, 100, 50}, 1, 100},
      {"would pass below", {-90, -100, -50}, 1, -100},
      {"at the target stays", {7, 7, 50}, 1, 7},
      {"no time, no move", {0, 100, 50}, 0, 0},
  };
  for (Case c : cases) {
    c.ramp.Advance(c.dt);
    EXPECT_FLOAT_EQ(c.expected, c.ramp.current) << c.what;
  }
}

}  // namespace
