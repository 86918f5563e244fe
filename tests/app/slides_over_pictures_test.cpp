// The product's player plays every slide of the built-in show on a small 4:3 monitor, on a clock
// the test sets, a few frames a slide up to the middle of its display. Each slide's last frame
// is compared with its picture alone, drawn right after it on the same device by a plain light
// of the same picture through the unit's picture view as that frame left it (the same place,
// the same camera pan and zoom): a slide with items or an effect light differs from it, and a
// slide of a plain light alone matches it, which shows the comparison itself is fair.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "render/back_buffer.h"
#include "render/current_device.h"
#include "show/kq_2d_light.h"
#include "tests/app/built_in_show.h"
#include "tests/app/running_saver.h"
#include "tests/support/device_fixture.h"

namespace {

int64_t clockTicks = 0;  // milliseconds
int64_t TestClock() { return clockTicks; }
int64_t Ticks(float seconds) { return static_cast<int64_t>(seconds * 1000); }

// Owns a state block of the device's whole state.
class SavedState {
public:
  explicit SavedState(IDirect3DDevice9* device) { device->CreateStateBlock(D3DSBT_ALL, &block_); }
  ~SavedState() {
    if (block_) block_->Release();
  }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;
  void Apply() const {
    if (block_) block_->Apply();
  }

private:
  IDirect3DStateBlock9* block_ = nullptr;
};

// The picture alone, drawn by a plain light in `plainState` (the state a plain slide's frame
// draws in) over the last frame; the player's own state comes back afterwards.
std::vector<D3DCOLOR> PictureAlone(IDirect3DDevice9* device, const FileLinkKey& picture,
                                   const SavedState& plainState) {
  const SavedState players(device);
  plainState.Apply();
  KQ_2D_Light plain;
  plain.pictureLink.Store(picture);
  plain.InitDeviceObjects();
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  plain.Resize(static_cast<int>(backBuffer.Width), static_cast<int>(backBuffer.Height));
  device->BeginScene();
  device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
  plain.RenderBackground();
  plain.RenderEffect();
  device->EndScene();
  players.Apply();
  return testing_support::ReadRenderTarget(device);
}

TEST(SlidesOverPictures, EachSlideDrawsItsItemsOrEffectOverItsPictureAndAPlainOneOnlyThePicture) {
  StandInMachine machine = MonitorsWithAnAdapterEach({{0, 0, 240, 180}});
  RunningSaver running(machine, L"saver.scr /s", CreateShowPlayback);
  CMoireScreensaver& saver = running.saver;
  clockTicks = 0;
  running.StartDevicesOnTestClock(&TestClock);
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  IDirect3DDevice9* device = saver.units[0].device;
  running.RenderFrames(2);  // the splash, then the load
  const std::vector<BuiltInSlide> slides = BuiltInSlides(device);
  ASSERT_GE(slides.size(), 2u);
  ASSERT_FALSE(slides[0].drawsOverPicture) << "the first slide shows its picture alone";

  // The first slide starts as if its fade-in were over; each next one on the first frame after
  // the last has faded out.
  const float showStart = 0.5f;
  float slideStart = showStart - slides[0].durations.fadeIn;
  std::unique_ptr<SavedState> plainState;
  size_t drawnOver = 0;
  for (size_t i = 0; i < slides.size(); ++i) {
    const BuiltInSlide& slide = slides[i];
    SCOPED_TRACE("slide " + std::to_string(i) + ", " + slide.name);
    if (i > 0) {
      const SlideDurations& last = slides[i - 1].durations;
      slideStart += last.fadeIn + last.display + last.fadeOut + 0.1f;
    }
    const float middle = slideStart + slide.durations.fadeIn + slide.durations.display / 2;
    for (float t :
         {std::max(slideStart, showStart), middle - 0.3f, middle - 0.2f, middle - 0.1f, middle}) {
      clockTicks = Ticks(t);
      running.RenderFrames(1);
    }
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    const std::vector<D3DCOLOR> frame = testing_support::ReadRenderTarget(device);
    ASSERT_FALSE(frame.empty());
    if (!plainState) plainState = std::make_unique<SavedState>(device);
    SelectOutputUnit(saver, 0);
    const double same = SameShare(frame, PictureAlone(device, slide.picture, *plainState));
    if (slide.drawsOverPicture) {
      ++drawnOver;
      // The thin rain streaks change the fewest pixels, about 0.8 %.
      EXPECT_LT(same, 0.996) << "items or the light's effect are drawn over the picture";
    } else {
      EXPECT_GT(same, 0.999) << "the picture alone";
    }
  }
  EXPECT_GT(drawnOver, slides.size() / 2);

  plainState.reset();
  device->AddRef();
  Cleanup3D(saver);
  EXPECT_EQ(0u, device->Release()) << "the show left references on the device";
}

}  // namespace
