// Scaled sliders (result = offset + scale × value) and the speed clock.
#include <gtest/gtest.h>

#include "document/media_speed_param.h"
#include "document/owned_control_list.h"
#include "document/scaled_param.h"
#include "tests/document/recording_control.h"

namespace {

using document_testing::BindingOwner;

struct FloatCase {
  const char* what;
  unsigned int value;
  float scale, offset;
  float expected;
  bool exact;  // otherwise within 1e-6
};

const FloatCase FloatCases[] = {
    {"speed default: real time", 50, 0.02f, 0.0f, 1.0f, true},
    {"value 0 gives the offset", 0, 0.02f, 1.0f, 1.0f, true},
    {"negative scale", 25, -0.005f, 0.5f, 0.375f, false},
    {"offset and scale", 50, 0.002f, 0.001f, 0.101f, false},
    {"sum near zero stays a float", 100, -0.001f, 0.1f, 0.0f, false},
    {"values from 2^31 are unsigned", 0xFFFFFFFFu, 1.0f, 0.0f, 4294967296.0f, true},
    // In float arithmetic 16777217 + 0.5 would round to 16777216.
    {"the sum is formed in double", 16777217u, 1.0f, 0.5f, 16777218.0f, true},
};

TEST(UINTSclaleTo, FloatResults) {
  for (const FloatCase& c : FloatCases) {
    UINTSclaleTo<float> setting(c.value, c.scale, c.offset);
    if (c.exact)
      EXPECT_EQ(c.expected, setting.Result()) << c.what;
    else
      EXPECT_NEAR(c.expected, setting.Result(), 1e-6) << c.what;
  }
}

struct ByteCase {
  const char* what;
  unsigned int value;
  float scale, offset;
  unsigned char expected;
};

const ByteCase ByteCases[] = {
    {"opaque", 0, -2.55f, 255.0f, 255},
    {"invisible", 100, -2.55f, 255.0f, 0},
    {"127.5 truncated", 50, -2.55f, 255.0f, 127},
    {"below 0 clamps, never wraps to 254", 101, -2.55f, 255.0f, 0},
    {"far below 0 clamps", 0xFFFFFFFFu, -1.0f, 0.0f, 0},
    {"above 255 clamps, never wraps to 44", 100, 1.0f, 200.0f, 255},
    {"far above 255 clamps", 0xFFFFFFFFu, 1.0f, 0.0f, 255},
    {"0.5 truncates to 0", 1, 0.5f, 0.0f, 0},
    {"1.5 truncates to 1", 3, 0.5f, 0.0f, 1},
};

TEST(UINTSclaleTo, ByteResultsTruncateAndClamp) {
  for (const ByteCase& c : ByteCases) {
    UINTSclaleTo<unsigned char> setting(c.value, c.scale, c.offset);
    EXPECT_EQ(c.expected, setting.Result()) << c.what;
  }
}

TEST(UINTSclaleTo, DefaultIsZeroWithUnitScaleAndItsOwnControlSecond) {
  UINTSclaleTo<unsigned char> byte_setting;
  MediaFloat<unsigned int> float_setting;
  EXPECT_EQ(0u, byte_setting.Get());
  EXPECT_EQ(0, byte_setting.Result());
  EXPECT_EQ(1.0f, float_setting.Scale());
  EXPECT_EQ(0.0f, float_setting.Offset());
  EXPECT_EQ(2u, float_setting.Controls().size());
  EXPECT_EQ(&float_setting.UndoControl(), float_setting.Controls()[0]);
  float_setting.Set(7);
  EXPECT_EQ(7.0f, float_setting.Result());
}

// A binding attached after construction already sees the new result when it runs.
TEST(UINTSclaleTo, ResultIsCurrentWhenBindingsRun) {
  struct ResultReader {
    void OnChange() { seen.push_back(setting->Result()); }
    UINTSclaleTo<float>* setting;
    std::vector<float> seen;
  };
  UINTSclaleTo<float> setting(50, 0.02f);
  ResultReader reader{&setting, {}};
  OwnedControlList<ResultReader> bindings(&reader);
  bindings.BindFunLightCtrl2(&ResultReader::OnChange, setting);
  setting.Set(100);
  EXPECT_EQ(std::vector<float>{2.0f}, reader.seen);
}

TEST(UINTSclaleTo, CopyTakesScaleOffsetAndValueButNoBindings) {
  UINTSclaleTo<float> original(30, 0.5f, 1.0f);
  BindingOwner owner;
  owner.bindings.BindFunLightCtrl(&BindingOwner::OnUnsigned, original);

  UINTSclaleTo<float> copy(original);
  EXPECT_EQ(16.0f, copy.Result());
  EXPECT_EQ(2u, copy.Controls().size());
  copy.Set(2);
  EXPECT_EQ(2.0f, copy.Result());
  EXPECT_EQ(16.0f, original.Result()) << "the copy's result control watches the copy";
  EXPECT_EQ(std::vector<unsigned int>{30}, owner.unsigneds);
}

TEST(UINTSclaleTo, AssignmentTakesScaleOffsetAndValueButTellsOnlyTheUndoControl) {
  UINTSclaleTo<float> target(1, 1.0f);
  BindingOwner owner;
  owner.bindings.BindFunLightCtrl(&BindingOwner::OnUnsigned, target);
  owner.bindings.BindFunLightCtrl2(&BindingOwner::OnChange, target);

  target = UINTSclaleTo<float>(40, 0.25f, 2.0f);
  EXPECT_EQ(40u, target.Get());
  EXPECT_EQ(40u, target.UndoControl().Snapshot());
  EXPECT_EQ(0.25f, target.Scale());
  EXPECT_EQ(2.0f, target.Offset());
  EXPECT_EQ(12.0f, target.Result());
  EXPECT_EQ(std::vector<unsigned int>{1}, owner.unsigneds) << "only the bind-time call";
  EXPECT_EQ(0, owner.changes);
}

// One clock, advanced row by row; the speed value (scale 1) is set before each step.
struct ClockStep {
  const char* what;
  unsigned int speed;
  float time;
  float step, local_time, last_time;
};

const ClockStep ClockSteps[] = {
    {"the first step measures from time 0, capped", 2, 1.0f, 0.4f, 0.4f, 1.0f},
    {"0.5 s caps to 0.2 s, times the factor", 2, 1.5f, 0.4f, 0.8f, 1.5f},
    {"a short step is kept", 2, 1.6f, 0.2f, 1.0f, 1.6f},
    {"factor 0 stands still", 0, 1.7f, 0.0f, 1.0f, 1.7f},
    {"a jump ahead caps too", 1, 10.0f, 0.2f, 1.2f, 10.0f},
    {"time running back is no step", 1, 5.0f, 0.0f, 1.2f, 5.0f},
    {"and measures from the earlier time", 3, 5.05f, 0.15f, 1.35f, 5.05f},
};

TEST(MediaSpeedParam, ClockAdvancesByCappedScaledSteps) {
  MediaSpeedParam speed(0, 1.0f);
  EXPECT_EQ(0.0f, speed.LocalTime());
  for (const ClockStep& row : ClockSteps) {
    speed.Set(row.speed);
    speed.Advance(row.time);
    EXPECT_NEAR(row.step, speed.LastStep(), 1e-5) << row.what;
    EXPECT_NEAR(row.local_time, speed.LocalTime(), 1e-5) << row.what;
    EXPECT_EQ(row.last_time, speed.LastTime()) << row.what;
  }
}

TEST(MediaSpeedParam, CopiesTakeTheClock) {
  MediaSpeedParam speed(50, 0.02f);
  speed.Advance(0.1f);
  const MediaSpeedParam copy(speed);
  MediaSpeedParam assigned;
  assigned = speed;
  const MediaSpeedParam* clocks[] = {&copy, &assigned};
  for (const MediaSpeedParam* clock : clocks) {
    EXPECT_EQ(speed.LocalTime(), clock->LocalTime());
    EXPECT_EQ(speed.LastTime(), clock->LastTime());
    EXPECT_EQ(speed.LastStep(), clock->LastStep());
    EXPECT_EQ(1.0f, clock->Result());
  }
}

}  // namespace
