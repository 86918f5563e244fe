// The product's player playing the built-in show in a test window, on a clock the test sets,
// with its device reset in the middle of every slide: each frame after a Reset shows what the
// frame before it showed, and once the show is released the device holds no reference of it.
#include <gtest/gtest.h>

#include <vector>

#include "tests/app/built_in_show.h"
#include "tests/app/running_saver.h"
#include "tests/support/device_fixture.h"

namespace {

int64_t clockTicks = 0;  // milliseconds
int64_t TestClock() { return clockTicks; }
int64_t Ticks(float seconds) { return static_cast<int64_t>(seconds * 1000); }

// The mean of red, green and blue over the frame.
double MeanLevel(const std::vector<D3DCOLOR>& pixels) {
  double sum = 0;
  for (D3DCOLOR pixel : pixels) sum += (pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF);
  return pixels.empty() ? 0 : sum / (3.0 * pixels.size());
}

TEST(ResetThroughShow, EverySlideOfTheBuiltInShowDrawsItsPictureAfterAReset) {
  StandInMachine machine = OneMonitorMachine();
  RunningSaver running(machine, L"saver.scr /t", CreateShowPlayback);
  CMoireScreensaver& saver = running.saver;
  saver.timer = AppTimer({&TestClock, 1000});
  clockTicks = 0;
  running.StartDevices();
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  IDirect3DDevice9* device = saver.units[0].device;
  running.RenderFrames(2);  // the splash, then the load
  const float showStart = 0.5f;
  clockTicks = Ticks(showStart);
  running.RenderFrames(1);
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;

  const std::vector<SlideDurations> slides = BuiltInSlideDurations(device);
  ASSERT_GE(slides.size(), 2u);
  // The first slide starts as if its fade-in were over; each next one on the first frame after
  // the last has faded out.
  float slideStart = showStart - slides[0].fadeIn;
  for (size_t i = 0; i < slides.size(); ++i) {
    SCOPED_TRACE("slide " + std::to_string(i));
    const SlideDurations& slide = slides[i];
    if (i > 0) {
      const SlideDurations& last = slides[i - 1];
      slideStart += last.fadeIn + last.display + last.fadeOut + 0.1f;
      clockTicks = Ticks(slideStart);
      running.RenderFrames(1);
    }
    const float middle = slideStart + slide.fadeIn + slide.display / 2;
    // Frames at a steady pace up to the middle, as the saver's loop draws them.
    for (float t = slideStart + slide.fadeIn; t < middle; t += 0.05f) {
      clockTicks = Ticks(t);
      running.RenderFrames(1);
    }
    clockTicks = Ticks(middle);
    running.RenderFrames(1);
    const std::vector<D3DCOLOR> before = testing_support::ReadRenderTarget(device);
    // The code rain lights an eighth of the window at most.
    ASSERT_GT(LitShare(before), 0.05) << "the slide is shown before the Reset";

    machine.scriptedLevels = {D3DERR_DEVICENOTRESET};
    running.RenderFrames(1);  // reset, then drawn at the same show time
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    ASSERT_TRUE(saver.units[0].restored);
    const std::vector<D3DCOLOR> after = testing_support::ReadRenderTarget(device);
    EXPECT_GT(SameShare(before, after), 0.9) << "the frame right after the Reset shows the slide";
    EXPECT_NEAR(MeanLevel(before), MeanLevel(after), 1 + MeanLevel(before) / 10);

    clockTicks = Ticks(middle + 0.1f);
    running.RenderFrames(1);
    EXPECT_GT(SameShare(before, testing_support::ReadRenderTarget(device)), 0.8)
        << "a later frame still shows the slide";
  }

  device->AddRef();
  Cleanup3D(saver);
  EXPECT_EQ(0u, device->Release()) << "the show left references on the device";
}

}  // namespace
