// The application clock on a scripted tick source.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_timer.h"

namespace {

int64_t ScriptedTicks = 0;
int64_t ReadScriptedTicks() { return ScriptedTicks; }

TEST(AppTimer, CountsFromResetAndBetweenReadings) {
  ScriptedTicks = 5000;
  AppTimer timer({ReadScriptedTicks, 1000});
  EXPECT_EQ(0.0, timer.ApplicationTime()) << "a clock never started reads 0";
  EXPECT_EQ(0.0, timer.ElapsedTime());

  timer.Reset();
  ScriptedTicks += 250;
  EXPECT_DOUBLE_EQ(0.25, timer.ApplicationTime());
  EXPECT_DOUBLE_EQ(0.25, timer.ElapsedTime()) << "the first reading counts from the reset";
  ScriptedTicks += 30;
  EXPECT_DOUBLE_EQ(0.03, timer.ElapsedTime());
  EXPECT_DOUBLE_EQ(0.28, timer.ApplicationTime());
  EXPECT_DOUBLE_EQ(0.0, timer.ElapsedTime());
}

TEST(AppTimer, KeepsMillisecondPrecisionAfterAWeek) {
  ScriptedTicks = 0;
  AppTimer timer({ReadScriptedTicks, 10000000});
  timer.Reset();
  ScriptedTicks = 7LL * 24 * 3600 * 10000000;
  timer.ElapsedTime();
  ScriptedTicks += 333333;  // 33.3333 ms
  EXPECT_NEAR(0.0333333, timer.ElapsedTime(), 1e-7);
}

TEST(AppTimer, MachineClockAdvances) {
  AppTimer timer(AppTimer::MachineSource());
  timer.Reset();
  Sleep(20);
  EXPECT_GT(timer.ApplicationTime(), 0.015);
  EXPECT_LT(timer.ApplicationTime(), 5.0);
}

}  // namespace
