// The error box's placement, drift and bounces.
#include <gtest/gtest.h>

#include "app/error_box.h"

namespace {

const RECT Monitor1024 = {0, 0, 1024, 768};

struct PlaceCase {
  const char* name;
  RECT area;
  bool preview;
  ErrorBox expected;
};

const PlaceCase PlaceCases[] = {
    {"centred, drifting by the area's size", Monitor1024, false, {362, 309, 300, 150, 102.4f, 38.4f}},
    {"the whole preview, still", {0, 0, 152, 112}, true, {0, 0, 152, 112, 0, 0}},
};

TEST(ErrorBox, StartsCentredOrFillsThePreview) {
  for (const PlaceCase& c : PlaceCases) {
    const ErrorBox box = PlaceErrorBox(c.area, c.preview);
    const float actual[] = {box.x, box.y, box.width, box.height, box.xSpeed, box.ySpeed};
    const float expected[] = {c.expected.x,      c.expected.y,      c.expected.width,
                              c.expected.height, c.expected.xSpeed, c.expected.ySpeed};
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(expected[i], actual[i]) << c.name << ", field " << i;
  }
}

struct MoveCase {
  const char* name;
  ErrorBox start;
  float step;
  float x, y, xSpeed, ySpeed;
  bool repaint;
};

const MoveCase MoveCases[] = {
    {"plain drift", {362, 309, 300, 150, 102.4f, 38.4f}, 0.5f, 413.2f, 328.2f, 102.4f, 38.4f, true},
    {"less than a pixel: no repaint", {362, 309, 300, 150, 102.4f, 38.4f}, 0.005f, 362.512f, 309.192f,
     102.4f, 38.4f, false},
    {"bounces off the right edge", {720, 100, 300, 150, 102.4f, 38.4f}, 0.1f, 709.76f, 103.84f,
     -102.4f, 38.4f, true},
    {"bounces off the left and top edges", {5, 2, 300, 150, -102.4f, -38.4f}, 0.1f, 15.24f, 5.84f,
     102.4f, 38.4f, true},
    {"bounces off the bottom edge", {100, 616, 300, 150, 102.4f, 38.4f}, 0.1f, 110.24f, 612.16f,
     102.4f, -38.4f, true},
    // After a suspend one step is capped, and the box never leaves the area.
    {"a long pause stays inside", {362, 309, 300, 150, 102.4f, 38.4f}, 3600.0f, 413.2f, 328.2f,
     102.4f, 38.4f, true},
};

TEST(ErrorBox, MovesAndBouncesInsideTheArea) {
  for (const MoveCase& c : MoveCases) {
    ErrorBox box = c.start;
    RECT oldRect, newRect;
    EXPECT_EQ(c.repaint, MoveErrorBox(box, Monitor1024, c.step, &oldRect, &newRect)) << c.name;
    EXPECT_NEAR(c.x, box.x, 1e-3) << c.name;
    EXPECT_NEAR(c.y, box.y, 1e-3) << c.name;
    EXPECT_FLOAT_EQ(c.xSpeed, box.xSpeed) << c.name;
    EXPECT_FLOAT_EQ(c.ySpeed, box.ySpeed) << c.name;
    EXPECT_EQ(static_cast<LONG>(c.start.x), oldRect.left) << c.name;
    EXPECT_EQ(static_cast<LONG>(box.x), newRect.left) << c.name;
    EXPECT_EQ(static_cast<LONG>(box.y + box.height), newRect.bottom) << c.name;
  }
}

TEST(ErrorBox, StepIsCorrectAcrossTheTimerWrap) {
  EXPECT_FLOAT_EQ(0.25f, ErrorBoxStep(1000, 1250));
  EXPECT_FLOAT_EQ(0.03f, ErrorBoxStep(0xFFFFFFF0u, 14));
}

}  // namespace
