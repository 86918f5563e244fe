// Each monitor lays out and draws its own picture. Stand-in monitors of different sizes and
// aspects (one portrait), each with a real device of its size, play a show of two slides whose
// pictures differ in aspect, on a clock the test sets. Every monitor's back buffer is probed
// where its picture and its letterbox bars must be, and its view frame for where its picture
// is mapped, on the frame a slide starts and on a later frame, when the other monitors have laid
// out their own pictures in between.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/doc_res_manager.h"
#include "render/picture_layout.h"
#include "show/kq_slide_show_light.h"
#include "tests/app/running_saver.h"
#include "tests/support/device_fixture.h"
#include "tests/support/picture_light.h"

namespace {

using testing_support::DescribeColor;

constexpr D3DCOLOR Cleared = 0xFF0000FF;  // what neither picture nor bar covers
constexpr D3DCOLOR Black = 0xFF000000;    // the bars
constexpr D3DCOLOR Stripe = 0xFFFFFFFF;   // the left eighth of every picture

struct SlidePicture {
  UINT width, height;
  D3DCOLOR color;
};
// A landscape 4:3 picture, then a portrait 3:4 one, each of one colour but for a stripe down its
// left eighth, which shows where the picture's left edge went when the rest covers the screen.
const SlidePicture Pictures[] = {{64, 48, 0xFFFF0000}, {48, 64, 0xFF00FF00}};
constexpr unsigned SlideSeconds = 2;

// Slides of plain lights, each showing one picture of Pictures in the test's position, without
// fades; every frame starts from a cleared back buffer, so whatever the layout leaves uncovered
// shows.
class PictureSlides : public ShowPlayback {
public:
  explicit PictureSlides(int position) : position_(position) {}
  ~PictureSlides() override { PictureSlides::ReleaseDeviceObjects(); }

  // No resource manager: the pictures are the test's own.
  void Select(IDirect3DDevice9* device) override {
    device_ = device;
    CurrentDocResManager = nullptr;
  }

  HRESULT Load() override {
    show_ = std::make_unique<KQ_SlideShow_Light>();
    for (const SlidePicture& picture : Pictures) {
      auto slide = std::make_unique<KQ_SlideContainer>();
      slide->fadeIn = 0;
      slide->fadeOut = 0;
      slide->display = SlideSeconds;
      auto light = std::make_unique<scene_testing::PictureLight>();
      scene_testing::PictureLight& shown = *light;
      slide->SetLight(std::move(light));
      slide->InitSlide();
      IDirect3DTexture9* texture = testing_support::MakeManagedTexture(
          device_, picture.width, picture.height,
          [&](UINT x, UINT) { return x < picture.width / 8 ? Stripe : picture.color; });
      shown.UsePicture(texture, picture.width, picture.height);
      texture->Release();  // the light holds its own references
      show_->AddSlide(std::move(slide));
    }
    return S_OK;
  }
  void FrameMove(float time) override { show_->FrameMove(time); }
  void Render() override {
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, Cleared, 1.0f, 0);
    show_->Render();
  }
  void InvalidateDeviceObjects() override { show_->InvalidateDeviceObjects(); }
  void RestoreDeviceObjects() override { show_->RestoreDeviceObjects(); }
  void ReleaseDeviceObjects() override {
    show_.reset();
    if (device_) CurrentPictureView().ReleaseDeviceObjects(device_);
  }
  std::vector<DataBlob*> AudioFiles() override { return {}; }
  // The test's position, whatever the registry holds.
  void SetPicturePosition(int) override { show_->SetPicturePosition(position_); }

private:
  int position_;
  IDirect3DDevice9* device_ = nullptr;
  std::unique_ptr<KQ_SlideShow_Light> show_;
};

// A stand-in monitor and, in its back-buffer pixels, where each slide's picture must sit: in Fit
// (with bars on the free sides), and in Fill, scaled about its centre until it covers the screen.
struct Monitor {
  const char* name;
  RECT screenRect;
  RECT fit[2];  // for Pictures[0] and Pictures[1]
  RECT fill[2];
};
const Monitor Wide = {"16:9, 448 x 252", {0, 0, 448, 252},
                      {{56, 0, 392, 252}, {130, 0, 318, 252}},  // bars left and right
                      {{0, -42, 448, 294}, {0, -173, 448, 425}}};
const Monitor Classic = {"4:3, 320 x 240", {448, 0, 768, 240},
                         {{0, 0, 320, 240}, {70, 0, 250, 240}},  // no bars for the 4:3 picture
                         {{0, 0, 320, 240}, {0, -93, 320, 333}}};
const Monitor Portrait = {"9:16, 216 x 384", {768, 0, 984, 384},
                          {{0, 111, 216, 273}, {0, 48, 216, 336}},  // bars above and below
                          {{-148, 0, 364, 384}, {-36, 0, 252, 384}}};

int64_t clockTicks = 0;  // milliseconds
int64_t TestClock() { return clockTicks; }

struct Probe {
  LONG x, y;
  D3DCOLOR expected;
};

// The picture's centre and a point 4 pixels inside each of its edges show the picture (the
// stripe at the left edge); a point 4 pixels beyond an edge that leaves room shows a bar. Only
// the probes on the screen are kept.
std::vector<Probe> ProbesOf(const RECT& picture, D3DCOLOR color, LONG width, LONG height) {
  const LONG cx = (picture.left + picture.right) / 2, cy = (picture.top + picture.bottom) / 2;
  std::vector<Probe> probes = {{cx, cy, color},
                               {picture.left + 4, cy, Stripe},
                               {picture.right - 5, cy, color},
                               {cx, picture.top + 4, color},
                               {cx, picture.bottom - 5, color}};
  if (picture.left >= 8) probes.push_back({picture.left - 5, cy, Black});
  if (width - picture.right >= 8) probes.push_back({picture.right + 4, cy, Black});
  if (picture.top >= 8) probes.push_back({cx, picture.top - 5, Black});
  if (height - picture.bottom >= 8) probes.push_back({cx, picture.bottom + 4, Black});
  std::vector<Probe> onScreen;
  for (const Probe& probe : probes) {
    if (probe.x >= 0 && probe.x < width && probe.y >= 0 && probe.y < height) {
      onScreen.push_back(probe);
    }
  }
  return onScreen;
}

void ExpectEachMonitorShowsItsOwnPicture(CMoireScreensaver& saver,
                                         const std::vector<Monitor>& monitors, int position,
                                         int slide, const char* when) {
  for (size_t i = 0; i < monitors.size(); ++i) {
    const Monitor& monitor = monitors[i];
    const LONG width = monitor.screenRect.right - monitor.screenRect.left;
    const LONG height = monitor.screenRect.bottom - monitor.screenRect.top;
    const std::vector<D3DCOLOR> pixels =
        testing_support::ReadRenderTarget(saver.units[i].device);
    ASSERT_EQ(static_cast<size_t>(width * height), pixels.size()) << monitor.name;
    const RECT& shown = position == PositionFit ? monitor.fit[slide] : monitor.fill[slide];
    for (const Probe& probe : ProbesOf(shown, Pictures[slide].color, width, height)) {
      const D3DCOLOR actual = pixels[static_cast<size_t>(probe.y * width + probe.x)];
      EXPECT_TRUE(testing_support::ColorNear(actual, probe.expected, 1))
          << when << ", slide " << slide << ", " << monitor.name << " at (" << probe.x << ", "
          << probe.y << "): " << DescribeColor(actual) << ", expected "
          << DescribeColor(probe.expected);
    }
    // Hit tests and the glyph light work in the back-buffer pixels of the unit's own frame,
    // which holds the picture fitted in every position.
    SelectOutputUnit(saver, static_cast<int>(i));
    const ScreenQuad& mapped = CurrentViewFrame().pictureQuad;
    const RECT& picture = monitor.fit[slide];
    EXPECT_NEAR(picture.left, mapped.Left(), 1) << when << ", " << monitor.name;
    EXPECT_NEAR(picture.top, mapped.Top(), 1) << when << ", " << monitor.name;
    EXPECT_NEAR(picture.right, mapped.Right(), 1) << when << ", " << monitor.name;
    EXPECT_NEAR(picture.bottom, mapped.Bottom(), 1) << when << ", " << monitor.name;
  }
}

TEST(MonitorLayouts, EachMonitorDrawsItsOwnPictureAndBarsThroughEverySlide) {
  struct Case {
    const char* name;
    int position;
    std::vector<Monitor> monitors;
  };
  const Case cases[] = {
      {"fit: a wide and a portrait monitor", PositionFit, {Wide, Portrait}},
      {"fit: a wide, a 4:3 and a portrait monitor", PositionFit, {Wide, Classic, Portrait}},
      {"fill: a wide, a 4:3 and a portrait monitor", PositionFill, {Wide, Classic, Portrait}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<RECT> rects;
    for (const Monitor& monitor : c.monitors) rects.push_back(monitor.screenRect);
    StandInMachine machine = MonitorsWithAnAdapterEach(rects);
    RunningSaver running(machine, L"saver.scr /s",
                         [&] { return std::make_unique<PictureSlides>(c.position); });
    CMoireScreensaver& saver = running.saver;
    clockTicks = 0;
    running.StartDevicesOnTestClock(&TestClock);
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    ASSERT_EQ(static_cast<int>(c.monitors.size()), saver.unitCount);
    running.RenderFrames(2);  // the splash, then the load

    struct Frame {
      int64_t ticks;
      int slide;
      const char* when;
    };
    const Frame frames[] = {
        {500, 0, "the first slide starts"},
        {1500, 0, "later in the first slide"},
        {2700, 1, "the second slide starts"},
        {3500, 1, "later in the second slide"},
    };
    for (const Frame& frame : frames) {
      clockTicks = frame.ticks;
      running.RenderFrames(1);
      ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
      ExpectEachMonitorShowsItsOwnPicture(saver, c.monitors, c.position, frame.slide, frame.when);
    }
  }
}

}  // namespace
