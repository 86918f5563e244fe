// The built-in show's frames, pixel for pixel: the show is played from its start, ten frames a
// second of show time, and every slide is caught at three moments (half
// way through its fade-in, on display, half way through its fade-out). Each frame's fingerprint
// is compared with the one the drawing code gave before its passes were made cheaper, so work
// left out for speed can be seen to change no pixel.
//
// The show plays once, in the one test of a program of its own: the particles draw from the C
// runtime's shared generator and the glass ball's motion phase is shared by the whole process,
// so the frames repeat only from the same start.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

#include "render/picture_position.h"
#include "show/project_document.h"
#include "tests/support/scene_device_test.h"

namespace {

// Fewer frames than the saver's 30 a second: the frames only have to repeat.
constexpr int FramesPerSecond = 10;

// FNV-1a over the frame's colours: one exact number per frame.
uint32_t Fingerprint(const std::vector<D3DCOLOR>& pixels) {
  uint32_t hash = 2166136261u;
  for (D3DCOLOR pixel : pixels) {
    for (int shift = 0; shift < 32; shift += 8) {
      hash = (hash ^ ((pixel >> shift) & 0xFF)) * 16777619u;
    }
  }
  return hash;
}

struct SlideFrames {
  const wchar_t* slide;
  // Half way through the fade-in (the first slide starts on display: its first frame), on
  // display one second after the fade-in, half way through the fade-out.
  uint32_t fadingIn, shown, fadingOut;
};

constexpr uint32_t NotCompared = 0;

// Recorded on the software renderer the tests run on (Mesa under Wine), 256 x 256, Fit.
const SlideFrames Expected[] = {
    {L"Mountains at dawn", 0x6B1735FB, 0x6B1735FB, 0x97A62C3B},
    {L"Forest lake", 0xBB02DEC0, 0x678EE274, 0x2AC37425},
    {L"Meadow", 0x24728011, 0x50AA1EA5, 0x3BB23E4E},
    {L"Coast", 0x5D12BCF5, 0x7327D91F, 0xA4E22BAF},
    {L"Night lake", 0xB60CB920, 0xC37C14B3, 0x6064355A},
    {L"Meadow in a glass ball", 0x95964969, 0x55EE9F23, 0xD4F4084D},
    {L"Code rain over the mountains", 0xF5EC9DC5, 0xF5EC9DC5, 0xF5EC9DC5},
    {L"Coast under water", 0xF6374B4E, 0x1193079A, 0x674D2058},
    {L"Hearth at dawn", 0x26206373, 0x9342679F, 0x04714B34},
    {L"Mirror lake", 0x7028CD0A, 0x940418C2, 0x0B6D2394},
    {L"Rain on the bay", 0x813A648B, 0xD80ACB63, 0xAA105B9E},
    {L"Lattice", 0x2D4D7840, 0xEB6E00A1, 0xE8FCFB58},
    {L"Coast through stained glass", 0x7E3F90B3, 0x1CA2770C, 0xAB57E7E7},
    {L"Echo", 0xB6E3D907, 0x76A46DBE, 0xAB5C3F4C},
    {L"Glow of dawn", 0x58727A71, 0x92D155F7, 0x475FFBD7},
    {L"Ripples on the lake", 0x5E6A750D, 0x80542033, 0x16B58E83},
    {L"Tide", 0x3C6484F1, 0x98FFCFF9, 0x6A73DF61},
    {L"Summer breeze", 0x29B9B46E, 0xD769DFEE, 0x29F4C8DD},
    {L"Grass fire", 0x8EBB9184, 0x828A29AD, 0xAC40E971},
    {L"Pond with fish", 0x7E31C52E, 0x1686F689, 0x45DC9B9C},
    {L"Rain on the coast", 0x8E68CE2F, 0x69E30A65, 0x0F6446FF},
    {L"Birds and mist at dawn", 0xDF0FA764, 0xBDD872FD, 0xCC4A4300},
    {L"Meadow in the wind", 0xACF288ED, 0x9775033C, 0x69C12C4F},
    {L"Ghosts over the night lake", 0xFA626890, 0x630ED87F, 0x4454637A},
    // Its clock shows the time of day.
    {L"Butterflies, a clock and falling leaves", NotCompared, NotCompared, NotCompared},
    {L"Storm over the mountains", 0x1DEAD11C, 0x61E4A823, 0x4DFDF444},
};

class ShowFrames : public scene_testing::SceneDeviceTest {
protected:
  void TearDown() override {
    document_ = ProjectDocument();
    SceneDeviceTest::TearDown();
  }

  uint32_t RenderedFingerprint() {
    device->BeginScene();
    document_.root->Render();
    device->EndScene();
    return Fingerprint(ReadBackBuffer());
  }

  ProjectDocument document_;
};

TEST_F(ShowFrames, EverySlideDrawsTheFramesItDrewBefore) {
  std::srand(1);
  document_ = LoadProjectDocument();
  ASSERT_NE(nullptr, document_.root);
  const auto& slides = document_.root->Slides();
  for (const RefHolder<KQ_SlideContainer>& slide : slides) slide->InitSlide();
  document_.root->SetPicturePosition(PositionFit);

  std::vector<SlideFrames> seen;
  int frame = 0;
  for (size_t index = 0; index < slides.size(); ++index) {
    KQ_SlideContainer& slide = *slides[index].Get();
    const SlideDurations durations = slide.Durations();
    // The frame on which the slide became current; the first slide starts with its fade-in over.
    const int start = index == 0 ? -static_cast<int>(durations.fadeIn * FramesPerSecond)
                                 : frame - 1;
    const float moments[3] = {durations.fadeIn / 2, durations.fadeIn + 1,
                              durations.fadeIn + durations.display + durations.fadeOut / 2};
    uint32_t fingerprints[3] = {};
    for (int moment = 0; moment < 3; ++moment) {
      const int at = start + static_cast<int>(moments[moment] * FramesPerSecond);
      do {
        document_.root->FrameMove(static_cast<float>(frame) / FramesPerSecond);
        ASSERT_EQ(&slide, document_.root->CurrentSlide()) << "frame " << frame;
      } while (++frame <= at);
      fingerprints[moment] = RenderedFingerprint();
    }
    seen.push_back({slide.name.Get().c_str(), fingerprints[0], fingerprints[1], fingerprints[2]});
    // On to the frame on which the next slide becomes current.
    while (document_.root->CurrentSlide() == &slide) {
      document_.root->FrameMove(static_cast<float>(frame++) / FramesPerSecond);
    }
  }

  for (const SlideFrames& actual : seen) {
    std::printf("    {L\"%ls\", 0x%08X, 0x%08X, 0x%08X},\n", actual.slide, actual.fadingIn,
                actual.shown, actual.fadingOut);
  }
  ASSERT_EQ(std::size(Expected), seen.size());
  for (size_t i = 0; i < seen.size(); ++i) {
    const SlideFrames& expected = Expected[i];
    const SlideFrames& actual = seen[i];
    const std::string name(actual.slide, actual.slide + std::wcslen(actual.slide));
    SCOPED_TRACE(name);
    EXPECT_EQ(std::wstring(expected.slide), actual.slide);
    if (expected.shown == NotCompared) continue;
    EXPECT_EQ(expected.fadingIn, actual.fadingIn) << "half way through the fade-in";
    EXPECT_EQ(expected.shown, actual.shown) << "on display";
    EXPECT_EQ(expected.fadingOut, actual.fadingOut) << "half way through the fade-out";
  }
}

}  // namespace
