// A device that is lost and then can be reset: the frame is abandoned while it is lost, the
// show's objects that do not survive a Reset are released first and restored after it, and
// the show goes on. A Reset that fails puts the saver into error mode with the generic text and
// draws nothing.
#include <gtest/gtest.h>

#include "app/saver_codes.h"
#include "tests/app/running_saver.h"

namespace {

// A test window whose show holds a default-pool texture, past its splash and load passes.
struct PlayingTestWindow {
  explicit PlayingTestWindow(bool keepsTextureOnInvalidate)
      : running(machine, L"saver.scr /t", Options(keepsTextureOnInvalidate)) {
    running.StartDevices();
    running.RenderFrames(3);
  }
  static RecordingShowOptions Options(bool keepsTextureOnInvalidate) {
    RecordingShowOptions options;
    options.holdsDefaultPoolTexture = true;
    options.keepsTextureOnInvalidate = keepsTextureOnInvalidate;
    return options;
  }

  StandInMachine machine = OneMonitorMachine();
  RunningSaver running;
};

TEST(LostDevice, AbandonsTheFrameWhileLostAndGoesOnAfterReset) {
  PlayingTestWindow playing(false);
  StandInMachine& machine = playing.machine;
  RunningSaver& running = playing.running;
  CMoireScreensaver& saver = running.saver;
  const ShowRecord& show = *running.shows[0];
  ASSERT_EQ(1, show.renders);
  ASSERT_NE(nullptr, show.defaultPoolTexture);

  machine.scriptedLevels = {D3DERR_DEVICELOST};
  running.RenderFrames(1);
  EXPECT_EQ(1, show.renders) << "a lost device renders nothing";
  EXPECT_EQ(0, show.invalidates);

  machine.scriptedLevels = {D3DERR_DEVICENOTRESET};
  running.RenderFrames(1);
  EXPECT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  EXPECT_EQ(1, show.invalidates);
  EXPECT_EQ(1, show.restores) << "the show's objects come back right after the Reset";
  EXPECT_NE(nullptr, show.defaultPoolTexture);
  EXPECT_TRUE(saver.units[0].restored);
  EXPECT_EQ(2, show.renders) << "the frame after the Reset is drawn";
  running.RenderFrames(2);
  EXPECT_EQ(4, show.renders);
  EXPECT_EQ(D3D_OK, saver.units[0].device->TestCooperativeLevel());
}

TEST(LostDevice, TheProductsOwnPlayerLeavesNothingThatBlocksReset) {
  StandInMachine machine = OneMonitorMachine();
  RunningSaver running(machine, L"saver.scr /t", CreateShowPlayback);
  CMoireScreensaver& saver = running.saver;
  running.StartDevices();
  running.RenderFrames(3);  // the splash (a texture of its own), the stand-in's load, a frame
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  machine.scriptedLevels = {D3DERR_DEVICENOTRESET};
  running.RenderFrames(2);
  EXPECT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  EXPECT_TRUE(saver.units[0].restored);
}

TEST(LostDevice, AFailedResetShowsTheGenericTextAndDrawsNothing) {
  PlayingTestWindow playing(true);  // the kept default-pool texture blocks the Reset
  StandInMachine& machine = playing.machine;
  RunningSaver& running = playing.running;
  CMoireScreensaver& saver = running.saver;
  const ShowRecord& show = *running.shows[0];
  ASSERT_EQ(1, show.renders);

  machine.scriptedLevels = {D3DERR_DEVICENOTRESET};
  running.RenderFrames(1);
  EXPECT_TRUE(saver.errorMode);
  EXPECT_EQ(1, show.renders) << "the device that was not reset is not drawn on";
  EXPECT_EQ(0, show.restores);
  EXPECT_FALSE(saver.units[0].restored);
  UpdateErrorDisplay(saver);
  wchar_t generic[400] = {};
  LoadStringW(saver.instance, GenericErrorStringId, generic, 400);
  ASSERT_NE(L'\0', generic[0]);
  EXPECT_STREQ(generic, saver.errorText) << std::hex << saver.errorCode;
}

}  // namespace
