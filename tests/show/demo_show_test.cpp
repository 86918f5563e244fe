// The built-in demo show, embedded in this test program as the saver embeds it ("DDS" 107):
// loaded, set up and played on a real device the way the screen player does it, its first slides
// checked pixel by pixel against their pictures; and every truncation of the document refused
// as a whole. How long loading takes is the benchmark's to say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <map>
#include <set>
#include <string>

#include "render/picture_view.h"
#include "show/lights/fake_undervater.h"
#include "show/lights/kq_glass_ball_light.h"
#include "show/lights/kq_matrix_code_light.h"
#include "show/project_document.h"
#include "tests/show/show_device_test.h"
#include "tests/support/demo_document_bytes.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/pass_pixels.h"
#include "tools/demo_show/demo_show.h"

namespace {

using namespace show_testing;
using scene_testing::Black;
using testing_support::DemoDocumentBytes;
using testing_support::PassPixelCounter;

D3DCOLOR Darkened(D3DCOLOR color, float alpha) {
  auto channel = [&](int shift) {
    return static_cast<int>(std::lround(((color >> shift) & 0xFF) * (1 - alpha)));
  };
  return D3DCOLOR_XRGB(channel(16), channel(8), channel(0));
}

class DemoShowTest : public ShowDeviceTest {
protected:
  // Loads the show and sets it up as the screen player does.
  void Start() {
    document = LoadProjectDocument();
    for (const RefHolder<KQ_SlideContainer>& slide : document.root->Slides()) slide->InitSlide();
    document.root->SetPicturePosition(PositionFit);
  }

  void Frame(float t) {
    document.root->FrameMove(t);
    device->BeginScene();
    document.root->Render();
    device->EndScene();
  }

  // The colour of `texture` at (u, v), filtered as the device filters it (bilinear, no mipmaps).
  D3DCOLOR Sample(IDirect3DTexture9* texture, float u, float v) {
    D3DSURFACE_DESC desc;
    texture->GetLevelDesc(0, &desc);
    const float x = u * desc.Width - 0.5f, y = v * desc.Height - 0.5f;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    float channels[3] = {};
    for (int corner = 0; corner < 4; ++corner) {
      const int dx = corner % 2, dy = corner / 2;
      const UINT tx = static_cast<UINT>(std::clamp(x0 + dx, 0, static_cast<int>(desc.Width) - 1));
      const UINT ty = static_cast<UINT>(std::clamp(y0 + dy, 0, static_cast<int>(desc.Height) - 1));
      const D3DCOLOR texel = ReadTexel(texture, tx, ty);
      const float weight = (dx ? fx : 1 - fx) * (dy ? fy : 1 - fy);
      for (int c = 0; c < 3; ++c) channels[c] += weight * ((texel >> (16 - 8 * c)) & 0xFF);
    }
    return D3DCOLOR_XRGB(std::lround(channels[0]), std::lround(channels[1]),
                         std::lround(channels[2]));
  }

  KQ_2D_Light& LightOf(size_t slide) { return *document.root->Slides()[slide]->GetLight().Get(); }
  IDirect3DTexture9* PictureOf(size_t slide) { return LightOf(slide).GetPictureQuad().texture; }

  // Where the picture quad's corners (0, 0) and (w, h) land on screen under the device's current
  // transforms; from these a pixel finds its place in the picture.
  void ScreenCorners(const KQ_2D_Light& light, D3DXVECTOR3& topLeft, D3DXVECTOR3& bottomRight) {
    D3DXMATRIX world, view, projection;
    device->GetTransform(D3DTS_WORLD, &world);
    device->GetTransform(D3DTS_VIEW, &view);
    device->GetTransform(D3DTS_PROJECTION, &projection);
    const D3DXMATRIX all = world * view * projection;
    const D3DXVECTOR3 corners[2] = {
        {0, 0, 0},
        {static_cast<float>(light.GetPictureWidth()), static_cast<float>(light.GetPictureHeight()), 0}};
    D3DXVECTOR3 onScreen[2];
    for (int i = 0; i < 2; ++i) {
      D3DXVec3TransformCoord(&onScreen[i], &corners[i], &all);
      onScreen[i].x = (onScreen[i].x + 1) * Width / 2;
      onScreen[i].y = (1 - onScreen[i].y) * Height / 2;
    }
    topLeft = onScreen[0];
    bottomRight = onScreen[1];
  }

  // Every probe of the picture area shows the picture at the place the device's transforms give,
  // darkened by the fade.
  void ExpectPictureUnderTransforms(size_t slide, float alpha) {
    D3DXVECTOR3 topLeft, bottomRight;
    ScreenCorners(LightOf(slide), topLeft, bottomRight);
    for (UINT y : {48u, 96u, 128u, 170u, 208u}) {
      for (UINT x : {16u, 80u, 128u, 190u, 240u}) {
        const float u = (x - topLeft.x) / (bottomRight.x - topLeft.x);
        const float v = (y - topLeft.y) / (bottomRight.y - topLeft.y);
        EXPECT_COLOR_NEAR(ReadPixel(x, y), Darkened(Sample(PictureOf(slide), u, v), alpha), 8)
            << "slide " << slide << " at (" << x << ", " << y << ")";
      }
    }
  }

  void ExpectBarsBlack() {
    for (UINT y : {0u, 15u, 31u, 225u, 240u, 255u}) {
      for (UINT x : {0u, 100u, 255u}) {
        EXPECT_COLOR_NEAR(ReadPixel(x, y), Black, 0) << "bar pixel (" << x << ", " << y << ")";
      }
    }
  }

  ProjectDocument document;
};

TEST_F(DemoShowTest, LoadsItsSlidesWithTheirPictures) {
  Start();
  EXPECT_EQ(document.manager.get(), CurrentDocResManager);
  ASSERT_GE(document.root->Slides().size(), 4u);
  for (size_t slide = 0; slide < document.root->Slides().size(); ++slide) {
    EXPECT_NE(nullptr, PictureOf(slide)) << "slide " << slide;
    EXPECT_EQ(1024u, LightOf(slide).GetPictureWidth());
    EXPECT_EQ(768u, LightOf(slide).GetPictureHeight());
    // Every picture drifts but the night lake's under the ghosts, whose light is stored from
    // before lights had a camera.
    const bool still = document.root->Slides()[slide]->name.Get() == L"Ghosts over the night lake";
    EXPECT_EQ(still ? 0 : 1, LightOf(slide).camera.on.Get()) << "slide " << slide;
  }
}

TEST_F(DemoShowTest, TheFirstFrameShowsTheFirstPictureZoomedAboutItsCentreBetweenBars) {
  Start();
  Frame(100);
  ExpectBarsBlack();
  // Fit lays the 1024 x 768 picture over the 256-pixel width at a quarter of its size, 32
  // pixels from the top; the camera starts centred, so it only zooms about the middle.
  const float zoom = LightOf(0).camera.zoom.Result();
  const float scale = 0.25f * zoom;
  for (UINT y : {40u, 80u, 128u, 180u, 215u}) {
    for (UINT x : {10u, 64u, 128u, 200u, 250u}) {
      const float u = (512 + (x - 128.0f) / scale) / 1024;
      const float v = (384 + (y - 128.0f) / scale) / 768;
      EXPECT_COLOR_NEAR(ReadPixel(x, y), Sample(PictureOf(0), u, v), 8)
          << "at (" << x << ", " << y << ")";
    }
  }
}

TEST_F(DemoShowTest, FadesTheFirstSlideOutAndTheSecondIn) {
  Start();
  const SlideDurations first = document.root->Slides()[0]->Durations();
  const SlideDurations second = document.root->Slides()[1]->Durations();
  const float start = 100 - first.fadeIn;
  // Frames as a saver would draw them, so the camera drifts as it does on screen.
  float t = 100;
  auto playUntil = [&](float end) {
    for (; t + 0.1f < end; t += 0.1f) document.root->FrameMove(t);
    t = end;
    Frame(t);
  };
  Frame(t);
  playUntil(start + first.fadeIn + first.display + first.fadeOut / 2);
  ExpectBarsBlack();
  ExpectPictureUnderTransforms(0, 0.5f);

  playUntil(start + first.fadeIn + first.display + first.fadeOut + 0.05f);  // the switch frame
  EXPECT_EQ(document.root->Slides()[1].Get(), document.root->CurrentSlide());
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Black, 0);  // the first slide had a fade-in
  const float secondStart = t;

  playUntil(secondStart + second.fadeIn / 2);
  ExpectBarsBlack();
  ExpectPictureUnderTransforms(1, 0.5f);
  playUntil(secondStart + second.fadeIn + 1);
  ExpectPictureUnderTransforms(1, 0);
}

TEST_F(DemoShowTest, PlaysItsEffectLightSlidesEachWithItsMark) {
  Start();
  const auto& slides = document.root->Slides();
  // The effect-light slides follow the picture slides; slides of other kinds may come after.
  ASSERT_LE(demo_show::DemoSlides().size() + demo_show::EffectLightSlides().size(), slides.size());
  // Plays the show until slide `index` is in the middle of its display time.
  float t = 100;
  auto playToMiddleOf = [&](size_t index) {
    while (document.root->CurrentSlide() != slides[index].Get()) {
      t += 0.1f;
      document.root->FrameMove(t);
    }
    const SlideDurations durations = slides[index]->Durations();
    const float middle = t + durations.fadeIn + durations.display / 2.0f;
    for (; t < middle; t += 0.1f) Frame(t);
  };
  const size_t first = demo_show::DemoSlides().size();

  playToMiddleOf(first);
  ASSERT_NE(nullptr, dynamic_cast<KQ_GlassBallLight*>(&LightOf(first)));
  // The ball stands over the blue gradient, whose rows are one colour each, and shows the
  // picture inside its circle.
  const D3DCOLOR topLeft = ReadPixel(2, 2);
  EXPECT_COLOR_NEAR(ReadPixel(253, 2), topLeft, 4);
  EXPECT_GT(static_cast<int>(topLeft & 0xFF), static_cast<int>((topLeft >> 16) & 0xFF) + 30);
  EXPECT_FALSE(testing_support::ColorNear(ReadPixel(128, 128), topLeft, 16));

  playToMiddleOf(first + 1);
  ASSERT_NE(nullptr, dynamic_cast<KQ_MatrixCodeLight*>(&LightOf(first + 1)));
  // Green glyphs on black.
  int green = 0, black = 0;
  for (D3DCOLOR c : ReadProbeGrid(2)) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    green += g > 60 && g > r + 30 && g > b + 30;
    black += r + g + b < 24;
  }
  EXPECT_GT(green, 100);
  EXPECT_GT(black, 4000);

  playToMiddleOf(first + 2);
  ASSERT_NE(nullptr, dynamic_cast<FakeUndervater*>(&LightOf(first + 2)));
  EXPECT_NE(nullptr, static_cast<FakeUndervater&>(LightOf(first + 2)).ripple.Effect());
  EXPECT_FALSE(testing_support::ColorNear(ReadPixel(128, 128), Black, 8));
}

TEST_F(DemoShowTest, APictureUnderAnOpaqueEffectOverTheWholePictureIsNotDrawn) {
  PassPixelCounter picturePixels(device, nullptr, "picture");
  if (!picturePixels.Supported()) GTEST_SKIP() << "the device has no occlusion queries";
  Start();
  // Each slide's picture pass, one second into its display.
  std::map<std::wstring, long> drawn;
  float t = 100;
  for (const RefHolder<KQ_SlideContainer>& slide : document.root->Slides()) {
    while (document.root->CurrentSlide() != slide.Get()) document.root->FrameMove(t += 0.1f);
    const float shown = t + slide->Durations().fadeIn + 1;
    while (t < shown) document.root->FrameMove(t += 0.1f);
    picturePixels.Arm();
    Frame(t);
    drawn[slide->name.Get()] = picturePixels.Pixels();
  }
  struct Case {
    const wchar_t* slide;
    bool pictureDrawn;
  } cases[] = {
      {L"Mountains at dawn", true},  // a plain slide
      {L"Lattice", false},           // the tiles replace every pixel of the picture
      {L"Tide", false},              // the water does
      {L"Echo", false},              // the copy does
      {L"Grass fire", true},         // the flames are blended over the picture
  };
  for (const Case& c : cases) {
    ASSERT_EQ(1u, drawn.count(c.slide));
    const long pixels = drawn[c.slide];
    EXPECT_EQ(c.pictureDrawn, pixels > 0) << std::string(c.slide, c.slide + std::wcslen(c.slide))
                                          << ": " << pixels << " pixels";
  }
}

TEST_F(DemoShowTest, EveryTruncationOfTheDocumentIsRefusedAsAWhole) {
  const std::vector<uint8_t> bytes = DemoDocumentBytes();
  ASSERT_FALSE(bytes.empty());

  // Where the embedded pictures and music lie: inside one such block every cut fails the same
  // read, so long runs of its bytes are tried at their ends and at a stride between.
  std::set<size_t> skipped;
  {
    const ProjectDocument whole = ReadProjectDocument(bytes.data(), bytes.size());
    std::vector<const DataBlob*> blocks;
    for (const auto& [key, records] : whole.manager->GetResourceCache().blobCache) {
      for (const KQ_EmbeddedData& record : records) blocks.push_back(&record);
    }
    for (const auto& record : whole.root->AudioFiles()) blocks.push_back(&record->file);
    for (const DataBlob* block : blocks) {
      const auto found =
          std::search(bytes.begin(), bytes.end(), block->bytes.begin(), block->bytes.end());
      ASSERT_NE(bytes.end(), found);
      const size_t first = static_cast<size_t>(found - bytes.begin());
      for (size_t cut = first + 64; cut + 64 < first + block->bytes.size(); ++cut) {
        if ((cut - first) % 997 != 0) skipped.insert(cut);
      }
    }
  }
  ASSERT_FALSE(skipped.empty());

  KQ_DocResManager* const before = CurrentDocResManager;
  size_t tried = 0;
  auto cut = testing_support::GuardedBytes::WithRoomFor(bytes.size());
  for (size_t length = 0; length < bytes.size(); ++length) {
    if (skipped.count(length)) continue;
    ++tried;
    cut.Place(bytes.data(), length);
    HRESULT code = S_OK;
    try {
      ReadProjectDocument(cut.Data(), cut.Size());
    } catch (HRESULT thrown) {
      code = thrown;
    }
    ASSERT_EQ(DocumentLoadFailure, code) << "cut after " << length << " bytes";
    ASSERT_EQ(before, CurrentDocResManager);
  }
  std::printf("truncations tried: %zu of %zu lengths\n", tried, bytes.size());
  const testing_support::GuardedBytes whole(bytes);
  EXPECT_NO_THROW(ReadProjectDocument(whole.Data(), whole.Size()));
}

TEST_F(DemoShowTest, ASignatureOfAnotherTextLoadsTheSame) {
  std::vector<uint8_t> bytes = DemoDocumentBytes();
  bytes[4] = 'X';  // the signature's first unit
  const ProjectDocument loaded = ReadProjectDocument(bytes.data(), bytes.size());
  EXPECT_GE(loaded.root->Slides().size(), 4u);
}

TEST_F(DemoShowTest, ADocumentReplacedOrDroppedLeavesNoCurrentManagerBehind) {
  document = LoadProjectDocument();
  ASSERT_EQ(document.manager.get(), CurrentDocResManager);
  document = LoadProjectDocument();  // the first copy goes
  EXPECT_EQ(document.manager.get(), CurrentDocResManager);
  document = ProjectDocument();
  EXPECT_EQ(nullptr, CurrentDocResManager);
}

}  // namespace
