// The item area and its clock: capped, speed-scaled steps; the area that a run-time copy snaps
// to whole pixels of the current picture; random points of the area, x drawn first.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "items/sprites/kq_sparkle_constructor.h"
#include "tests/support/item_testing.h"

namespace {

using namespace item_testing;

TEST(KQ_ViewObjCtrl, StepIsCappedAndScaledBySpeed) {
  const struct {
    const char* label;
    unsigned int speed;
    float from, to;
    float frameSeconds, step;
  } cases[] = {
      {"a 5 s jump at real time", 50, 1, 6, 0.1f, 0.2f},
      {"double speed", 100, 1, 1.05f, 0.05f, 0.1f},
      {"speed 0 freezes the clock", 0, 1, 1.05f, 0.05f, 0},
      {"time running backwards still advances", 50, 10, 9.9f, 0.1f, 0.1f},
      {"a step between the two caps", 50, 1, 1.15f, 0.1f, 0.15f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    KQ_SparkleConstructor item;
    item.speed = c.speed;
    item.Step(c.from);
    const float before = item.scaledTime;
    item.Step(c.to);
    EXPECT_NEAR(c.frameSeconds, item.frameSeconds, 1e-6);
    EXPECT_NEAR(c.step, item.timeStep, 1e-6);
    EXPECT_NEAR(before + c.step, item.scaledTime, 1e-6);
    EXPECT_EQ(c.to, item.lastTime);
  }
}

TEST(KQ_ViewObjCtrl, FirstStepMeasuresFromTimeZero) {
  KQ_SparkleConstructor item;
  item.Step(100);
  EXPECT_NEAR(0.2f, item.timeStep, 1e-6);
  EXPECT_NEAR(0.2f, item.scaledTime, 1e-6);
}

TEST(KQ_ViewObjCtrl, CopySnapsTheAreaToWholePicturePixels) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor original;
  original.leftFraction = 0.12345f;
  original.topFraction = 0.5039f;  // 251.95 pixels
  original.speed = 80;
  original.Step(3);
  const KQ_SparkleConstructor copy(original);
  EXPECT_FLOAT_EQ(0.123f, copy.leftFraction);
  EXPECT_EQ(123, copy.rectangle.left.Get());
  EXPECT_FLOAT_EQ(0.502f, copy.topFraction);
  EXPECT_EQ(251, copy.rectangle.top.Get());
  EXPECT_EQ(1000, copy.rectangle.right.Get());
  EXPECT_EQ(80u, copy.speed.Get());
  EXPECT_EQ(0, copy.scaledTime) << "the copy's clock starts afresh";
  EXPECT_EQ(0, copy.lastTime);
}

TEST(KQ_ViewObjCtrl, CopyWithoutAPictureSizeKeepsItsFractions) {
  const PictureSize none(0, 0);
  KQ_SparkleConstructor original;
  original.leftFraction = 0.3f;
  original.bottomFraction = 0.6f;
  const KQ_SparkleConstructor copy(original);
  EXPECT_EQ(0.3f, copy.leftFraction) << "not 0 / 0";
  EXPECT_EQ(0.6f, copy.bottomFraction);
}

TEST(KQ_ViewObjCtrl, CopyOfAnAreaFarOutsideThePictureStaysFinite) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor original;
  original.leftFraction = -1e30f;
  original.rightFraction = std::numeric_limits<float>::infinity();
  const KQ_SparkleConstructor copy(original);
  EXPECT_LT(copy.rectangle.left.Get(), 0);
  EXPECT_TRUE(std::isfinite(copy.leftFraction));
  EXPECT_TRUE(std::isfinite(copy.rightFraction));
}

TEST(KQ_ViewObjCtrl, RandomPointsDrawXThenY) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor item;
  item.leftFraction = 0.1f;
  item.rightFraction = 0.5f;
  item.topFraction = 0.2f;
  item.bottomFraction = 0.6f;
  const auto r = UpcomingRands(5, 4);
  const D3DXVECTOR3 point = item.RandomPointInArea();
  EXPECT_NEAR(100 + Fraction(r[0]) * 400, point.x, 1e-3);
  EXPECT_NEAR(100 + Fraction(r[1]) * 200, point.y, 1e-3);
  EXPECT_EQ(0, point.z);
  const D3DXVECTOR3 inset = item.RandomPointInsetInArea(20, 10);
  EXPECT_NEAR(120 + Fraction(r[2]) * 360, inset.x, 1e-3);
  EXPECT_NEAR(110 + Fraction(r[3]) * 180, inset.y, 1e-3);
}

TEST(KQ_ViewObjCtrl, AnAreaWithoutWidthGivesOneColumn) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor item;
  item.leftFraction = item.rightFraction = 0.25f;
  std::srand(9);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(250, item.RandomPointInArea().x);
}

}  // namespace
