// Two monitors of different sizes and aspects play the built-in show, each player on the real
// device of its monitor with its own copy of the document and its own resource manager. The
// show is placed in Fit, so each monitor's 4:3 picture sits between bars of its own. Both are
// played through the first slides on a clock the test sets, a few frames a slide, and probed by
// pixel; once the devices go, neither holds a reference the show took.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "document/doc_res_manager.h"
#include "render/picture_layout.h"
#include "render/picture_position.h"
#include "tests/app/built_in_show.h"
#include "tests/app/running_saver.h"
#include "tests/support/device_fixture.h"

namespace {

int64_t clockTicks = 0;  // milliseconds
int64_t TestClock() { return clockTicks; }
int64_t Ticks(float seconds) { return static_cast<int64_t>(seconds * 1000); }

constexpr size_t SlidesPlayed = 3;

// The product's show, placed in Fit whatever the registry holds.
class BuiltInShowInFit : public ShowPlayback {
public:
  void Select(IDirect3DDevice9* device) override { show_->Select(device); }
  HRESULT Load() override { return show_->Load(); }
  void FrameMove(float time) override { show_->FrameMove(time); }
  void Render() override { show_->Render(); }
  void InvalidateDeviceObjects() override { show_->InvalidateDeviceObjects(); }
  void RestoreDeviceObjects() override { show_->RestoreDeviceObjects(); }
  void ReleaseDeviceObjects() override { show_->ReleaseDeviceObjects(); }
  std::vector<DataBlob*> AudioFiles() override { return show_->AudioFiles(); }
  void SetPicturePosition(int) override { show_->SetPicturePosition(PositionFit); }

private:
  std::unique_ptr<ShowPlayback> show_ = CreateShowPlayback();
};

// A stand-in monitor and where the show's 4:3 pictures sit in its back buffer in Fit.
struct Monitor {
  const char* name;
  RECT screenRect;
  RECT picture;
};
const Monitor Monitors[] = {
    {"16:9, 448 x 252", {0, 0, 448, 252}, {56, 0, 392, 252}},     // bars left and right
    {"9:16, 216 x 384", {448, 0, 664, 384}, {0, 111, 216, 273}},  // bars above and below
};

// The picture and the bars, each two pixels in from where they meet, so the filtered edge of
// the picture belongs to neither.
std::vector<RECT> BarsOf(const Monitor& monitor) {
  const LONG width = monitor.screenRect.right - monitor.screenRect.left;
  const LONG height = monitor.screenRect.bottom - monitor.screenRect.top;
  const RECT& p = monitor.picture;
  std::vector<RECT> bars;
  if (p.left > 0) bars.push_back({0, 0, p.left - 2, height});
  if (p.right < width) bars.push_back({p.right + 2, 0, width, height});
  if (p.top > 0) bars.push_back({0, 0, width, p.top - 2});
  if (p.bottom < height) bars.push_back({0, p.bottom + 2, width, height});
  return bars;
}

void ExpectEachMonitorShowsThePictureBetweenItsOwnBars(CMoireScreensaver& saver, size_t slide) {
  for (size_t i = 0; i < std::size(Monitors); ++i) {
    const Monitor& monitor = Monitors[i];
    SCOPED_TRACE(monitor.name);
    const LONG width = monitor.screenRect.right - monitor.screenRect.left;
    const std::vector<D3DCOLOR> frame = testing_support::ReadRenderTarget(saver.units[i].device);
    const RECT& p = monitor.picture;
    EXPECT_GT(LitShare(PixelsIn(frame, width, {p.left + 2, p.top + 2, p.right - 2, p.bottom - 2})),
              0.9)
        << "slide " << slide << ": the picture is lit";
    for (const RECT& bar : BarsOf(monitor)) {
      EXPECT_EQ(0.0, LitShare(PixelsIn(frame, width, bar))) << "slide " << slide << ": a bar";
    }
    SelectOutputUnit(saver, static_cast<int>(i));
    const ScreenQuad& mapped = CurrentViewFrame().pictureQuad;
    EXPECT_NEAR(p.left, mapped.Left(), 1) << "slide " << slide;
    EXPECT_NEAR(p.top, mapped.Top(), 1) << "slide " << slide;
    EXPECT_NEAR(p.right, mapped.Right(), 1) << "slide " << slide;
    EXPECT_NEAR(p.bottom, mapped.Bottom(), 1) << "slide " << slide;
  }
}

// Every picture the manager made so far, on the device given.
void ExpectTexturesOnlyOn(const KQ_DocResManager& manager, IDirect3DDevice9* device) {
  size_t textures = 0;
  for (const auto& link : manager.GetResourceCache().textureLists) {
    for (const ComHolder<IDirect3DTexture9>& frame : link.second.frames) {
      if (!frame.Get()) continue;
      IDirect3DDevice9* owner = nullptr;
      frame.Get()->GetDevice(&owner);
      EXPECT_EQ(device, owner);
      if (owner) owner->Release();
      ++textures;
    }
  }
  EXPECT_GT(textures, 0u) << "the slides' pictures are made at load";
}

TEST(TwoScreens, EachPlaysTheBuiltInShowOnItsOwnResourceManagerAndLayout) {
  std::vector<RECT> rects;
  for (const Monitor& monitor : Monitors) rects.push_back(monitor.screenRect);
  StandInMachine machine = MonitorsWithAnAdapterEach(rects);
  RunningSaver running(machine, L"saver.scr /s",
                       [] { return std::make_unique<BuiltInShowInFit>(); });
  CMoireScreensaver& saver = running.saver;
  clockTicks = 0;
  running.StartDevicesOnTestClock(&TestClock);
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  ASSERT_EQ(2, saver.unitCount);
  IDirect3DDevice9* devices[] = {saver.units[0].device, saver.units[1].device};
  ASSERT_NE(devices[0], devices[1]);
  for (IDirect3DDevice9* device : devices) device->AddRef();  // to see it after the teardown

  running.RenderFrames(2);  // the splash, then the load
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  KQ_DocResManager* managers[2] = {};
  for (int i = 0; i < 2; ++i) {
    SelectOutputUnit(saver, i);
    managers[i] = CurrentDocResManager;
    ASSERT_NE(nullptr, managers[i]) << "unit " << i;
    EXPECT_EQ(devices[i], managers[i]->Device()) << "unit " << i << " makes on its own device";
    ExpectTexturesOnlyOn(*managers[i], devices[i]);
  }
  EXPECT_NE(managers[0], managers[1]) << "each player loads its own copy of the document";

  const std::vector<SlideDurations> slides = BuiltInSlideDurations(devices[0]);
  ASSERT_GE(slides.size(), SlidesPlayed);
  // The first slide starts as if its fade-in were over; each next one on the first frame after
  // the last has faded out. Each is probed in the middle of its display.
  const float showStart = 0.5f;
  float slideStart = showStart - slides[0].fadeIn;
  for (size_t i = 0; i < SlidesPlayed; ++i) {
    if (i > 0) {
      const SlideDurations& last = slides[i - 1];
      slideStart += last.fadeIn + last.display + last.fadeOut + 0.1f;
    }
    clockTicks = Ticks(std::max(slideStart, showStart));
    running.RenderFrames(1);
    clockTicks = Ticks(slideStart + slides[i].fadeIn + slides[i].display / 2);
    running.RenderFrames(1);
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    ExpectEachMonitorShowsThePictureBetweenItsOwnBars(saver, i);
  }

  Cleanup3D(saver);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(0u, devices[i]->Release()) << "unit " << i << ": the show left references";
  }
  EXPECT_EQ(0u, machine.Direct3DReferencesHeldBySaver());
}

}  // namespace
