// The show on a real device with a logging light and logging items: what a slide start, a frame
// move and a render call in which order, who sees which scene texture, the fade on screen, and a
// device reset in the middle of a slide.
#include <gtest/gtest.h>

#include "document/class_registry.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "render/picture_layout.h"
#include "show/kq_slide_show_light.h"
#include "tests/show/show_device_test.h"
#include "tests/support/pass_pixels.h"

namespace {

using namespace show_testing;
using scene_testing::Red;
using testing_support::PassPixelCounter;

using Lines = std::vector<std::string>;

class ShowRenderTest : public ShowDeviceTest {
protected:
  // A show of slides on logging lights, each with a red 64 x 64 picture; `items` gives each
  // slide's items as (label, needs the scene).
  void MakeShow(const std::vector<std::vector<std::pair<std::string, int>>>& slideItems,
                bool lightNeedsScene = false) {
    IDirect3DTexture9* picture = SolidTexture(64, 64, 0xFFFF0000);
    for (const auto& items : slideItems) {
      auto slide = std::make_unique<KQ_SlideContainer>();
      auto light = std::make_unique<LoggingLight>();
      lights.push_back(light.get());
      light->needsScene = lightNeedsScene;
      slide->SetLight(std::move(light));
      for (const auto& [label, needs] : items) {
        slide->AddItemSettings(std::make_unique<TestItemConstructor>(label, needs));
      }
      slide->InitSlide();
      lights.back()->UsePicture(picture, 64, 64);
      show->AddSlide(std::move(slide));
    }
    show->SetPicturePosition(PositionFit);
    Log().clear();
  }

  TestItem& Item(size_t slide, size_t i) {
    return static_cast<TestItem&>(*show->Slides()[slide]->Items()[i].Get());
  }

  // One frame as the screen player draws it.
  void Frame(float t) {
    show->FrameMove(t);
    device->BeginScene();
    show->Render();
    device->EndScene();
  }

  std::unique_ptr<KQ_SlideShow_Light> show = std::make_unique<KQ_SlideShow_Light>();
  std::vector<LoggingLight*> lights;
};

TEST_F(ShowRenderTest, ASlideStartsSizedThenRestartsItsItemsThenRestoresItsLight) {
  MakeShow({{{"a", 0}, {"b", 0}}});
  show->FrameMove(3);
  EXPECT_EQ((Lines{"resize 256x256", "restart a", "restart b", "restore", "frame move",
                   "update a", "update b"}),
            Log());
}

TEST_F(ShowRenderTest, RendersBackgroundThenItemsLastToFirstThenEffectThenFade) {
  MakeShow({{{"a", 0}, {"b", 0}, {"c", 0}}});
  show->FrameMove(3);
  Log().clear();
  device->BeginScene();
  show->Render();
  device->EndScene();
  EXPECT_EQ((Lines{"background", "draw c", "draw b", "draw a", "effect", "fade"}), Log());
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(lights[0]->Picture(), Item(0, i).sceneSeen);
}

TEST_F(ShowRenderTest, EachItemThatNeedsTheSceneSeesWhatWasDrawnBeforeIt) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, int>> items;
    bool lightNeedsScene;
    Lines log;
    // What each item sees: -1 the picture, 0 or 1 that texture of the capture pair.
    std::vector<int> scenes;
  } cases[] = {
      {"two items need the scene, the light does not",
       {{"a", 1}, {"b", 0}, {"c", 1}},
       false,
       {"begin capture", "background", "draw c", "draw b", "end capture", "draw a", "effect",
        "fade"},
       {1, -1, 0}},
      {"the light needs the scene, no item does",
       {{"a", 0}, {"b", 0}},
       true,
       {"begin capture", "background", "draw b", "draw a", "effect", "end capture", "fade"},
       {-1, -1}},
      {"the light and one item need the scene",
       {{"a", 0}, {"b", 1}},
       true,
       {"begin capture", "background", "draw b", "draw a", "effect", "end capture", "fade"},
       {-1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    show = std::make_unique<KQ_SlideShow_Light>();
    lights.clear();
    MakeShow({c.items}, c.lightNeedsScene);
    show->FrameMove(3);
    Log().clear();
    device->BeginScene();
    show->Render();
    device->EndScene();
    EXPECT_EQ(c.log, Log());
    for (size_t i = 0; i < c.items.size(); ++i) {
      IDirect3DTexture9* expected =
          c.scenes[i] < 0 ? lights[0]->Picture() : lights[0]->CaptureTexture(c.scenes[i]);
      EXPECT_EQ(expected, Item(0, i).sceneSeen) << "item " << c.items[i].first;
    }
    EXPECT_FALSE(lights[0]->IsCapturing());
    // The layout is back after the capture.
    EXPECT_EQ(PositionFit, CurrentPictureView().position);
  }
}

TEST_F(ShowRenderTest, NothingIsDrawnOrRestoredBeforeTheFirstFrameMove) {
  MakeShow({{{"a", 0}}});
  show->RestoreDeviceObjects();
  device->BeginScene();
  show->Render();
  device->EndScene();
  EXPECT_TRUE(Log().empty());
}

TEST_F(ShowRenderTest, AShowWithoutSlidesPlaysNothing) {
  for (float t : {0.0f, 1.0f, 50.0f}) Frame(t);
  show->RestoreDeviceObjects();
  show->InvalidateDeviceObjects();
  EXPECT_EQ(nullptr, show->CurrentSlide());
}

TEST_F(ShowRenderTest, TheFadeQuadDarkensThePictureByItsOpacity) {
  MakeShow({{}, {}});  // two slides of 1 s fade-in, 10 s display, 1 s fade-out
  struct Case {
    float t;
    int red;  // of the picture's red, after the fade
  } cases[] = {
      {100, 255},     // the first frame: a clear quad
      {105, 255},     // displayed
      {110.5f, 128},  // half way through the fade-out
      {111, 0},       // the end of the fade-out
      {111.5f, 0},    // the switch frame: black, the ending slide had a fade-in
      {112, 128},     // half way through the next slide's fade-in
  };
  for (const Case& c : cases) {
    Frame(c.t);
    EXPECT_COLOR_NEAR(ReadPixel(128, 128), D3DCOLOR_XRGB(c.red, 0, 0), 2) << "t = " << c.t;
  }
}

TEST_F(ShowRenderTest, TheFadeQuadDrawsNoPixelWhileItIsClear) {
  MakeShow({{}, {}});  // two slides of 1 s fade-in, 10 s display, 1 s fade-out
  PassPixelCounter fadePixels(device, "effect", "fade");
  if (!fadePixels.Supported()) GTEST_SKIP() << "the device has no occlusion queries";
  const long everyPixel = static_cast<long>(Width * Height);
  struct Case {
    float t;
    long pixels;  // drawn by the fade quad
  } cases[] = {
      {100, 0},                // the first frame: a clear quad
      {105, 0},                // displayed
      {110.5f, everyPixel},    // half way through the fade-out
      {111.5f, everyPixel},    // the switch frame: black
      {112, everyPixel},       // half way through the next slide's fade-in
      {113.5f, 0},             // the next slide displayed
  };
  for (const Case& c : cases) {
    fadePixels.Arm();
    Frame(c.t);
    EXPECT_EQ(c.pixels, fadePixels.Pixels()) << "t = " << c.t;
  }
}

TEST_F(ShowRenderTest, AFrameAfterAResetRestoresTheCurrentLightBeforeItDraws) {
  MakeShow({{{"a", 1}}});
  Frame(3);
  show->InvalidateDeviceObjects();
  ASSERT_EQ(D3D_OK, ResetDevice());  // nothing of the show is left in the default pool
  // The reset put every device state back to its default; the frame must not draw on those.
  Log().clear();
  Frame(3.1f);
  EXPECT_EQ((Lines{"restore", "frame move", "update a", "begin capture", "background",
                   "end capture", "draw a", "effect", "fade"}),
            Log());
  EXPECT_EQ(lights[0]->CaptureTexture(0), Item(0, 0).sceneSeen);
  EXPECT_COLOR_NEAR(ReadTexel(lights[0]->CaptureTexture(0), 128, 128), Red, 2);
  Log().clear();
  show->RestoreDeviceObjects();  // the framework's restore after its reset: once more, harmless
  Frame(3.2f);
  EXPECT_EQ("frame move", Log()[1]);
}

TEST_F(ShowRenderTest, ASlideThatEndedHoldsNoCaptureTexturesUntilItStartsAgain) {
  MakeShow({{{"a", 1}}, {{"b", 1}}});
  Frame(3);  // slide 0 began at 2 and lasts 12 s
  ASSERT_NE(nullptr, lights[0]->CaptureTexture(0));
  Frame(14.5f);
  EXPECT_EQ(nullptr, lights[0]->CaptureTexture(0));
  EXPECT_EQ(nullptr, lights[0]->CaptureTexture(1));
  EXPECT_EQ(nullptr, *lights[0]->GetSceneTexture());
  EXPECT_NE(nullptr, lights[1]->CaptureTexture(0));
  Frame(27);  // slide 0 again
  EXPECT_EQ(nullptr, lights[1]->CaptureTexture(0));
  ASSERT_NE(nullptr, lights[0]->CaptureTexture(0));
  EXPECT_EQ(lights[0]->CaptureTexture(0), Item(0, 0).sceneSeen);
  EXPECT_COLOR_NEAR(ReadTexel(lights[0]->CaptureTexture(0), 128, 128), Red, 2);
}

TEST_F(ShowRenderTest, ALightAskedToCaptureAfterAResetDrawsOnTheBackBufferInstead) {
  MakeShow({{{"a", 1}}});
  Frame(3);
  lights[0]->InvalidateDeviceObjects();
  ASSERT_EQ(D3D_OK, ResetDevice());
  lights[0]->BeginSceneCapture();
  EXPECT_FALSE(lights[0]->IsCapturing());
  EXPECT_EQ(PositionFit, CurrentPictureView().position);
  device->BeginScene();
  DrawItems(*lights[0], show->Slides()[0]->Items(), 1);  // the item gets the picture
  device->EndScene();
  EXPECT_EQ(lights[0]->Picture(), Item(0, 0).sceneSeen);
  lights[0]->EndSceneCapture(true);
  IDirect3DSurface9* target = nullptr;
  IDirect3DSurface9* backBuffer = nullptr;
  device->GetRenderTarget(0, &target);
  device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
  EXPECT_EQ(backBuffer, target);
  ReleaseAndNull(&target);
  ReleaseAndNull(&backBuffer);
}

TEST_F(ShowRenderTest, RestoringTheLightSetsTheStateOfTheWholeSlide) {
  MakeShow({{}});
  show->FrameMove(3);
  struct Case {
    D3DRENDERSTATETYPE state;
    DWORD value;
  } renderStates[] = {{D3DRS_ZENABLE, FALSE},
                      {D3DRS_ZWRITEENABLE, FALSE},
                      {D3DRS_LIGHTING, FALSE},
                      {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                      {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}};
  for (const Case& c : renderStates) {
    DWORD value = 0;
    device->GetRenderState(c.state, &value);
    EXPECT_EQ(c.value, value) << "render state " << c.state;
  }
  struct StageCase {
    DWORD stage;
    D3DTEXTURESTAGESTATETYPE state;
    DWORD value;
  } stageStates[] = {{0, D3DTSS_TEXCOORDINDEX, 0},
                     {0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                     {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                     {0, D3DTSS_COLORARG2, D3DTA_DIFFUSE},
                     {1, D3DTSS_TEXCOORDINDEX, 1},
                     {1, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                     {1, D3DTSS_COLOROP, D3DTOP_DISABLE}};
  for (const StageCase& c : stageStates) {
    DWORD value = 0;
    device->GetTextureStageState(c.stage, c.state, &value);
    EXPECT_EQ(c.value, value) << "stage " << c.stage << " state " << c.state;
  }
  struct SamplerCase {
    D3DSAMPLERSTATETYPE state;
    DWORD value;
  } samplerStates[] = {{D3DSAMP_MINFILTER, D3DTEXF_LINEAR},
                       {D3DSAMP_MAGFILTER, D3DTEXF_LINEAR},
                       {D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR},
                       {D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR}};
  for (const SamplerCase& c : samplerStates) {
    DWORD value = 0;
    device->GetSamplerState(0, c.state, &value);
    EXPECT_EQ(c.value, value) << "sampler state " << c.state;
  }
}

TEST_F(ShowRenderTest, ASlideSetUpAndWrittenAgainWritesItsItemsSettings) {
  MakeShow({{{"a", 0}, {"b", 1}}});
  KQ_IOF_W writer;
  show->Slides()[0]->Write(writer);
  ResourceBuffer buffer(writer.Bytes().data(), writer.Bytes().size());
  KQ_IOF_R<ResourceBuffer> reader(buffer);
  // The logging light is no registered class; the section it writes is a plain light's.
  const std::unique_ptr<KQ_SlideContainer> read = ReadFamilyByClassName<KQ_SlideContainer>(reader);
  ASSERT_NE(nullptr, read);
  read->InitSlide();
  ASSERT_EQ(2u, read->Items().size());
  EXPECT_EQ("a", static_cast<TestItem&>(*read->Items()[0].Get()).TestSettings().label);
  EXPECT_EQ(1, read->Items()[1]->NeedsSceneCapture());
}

}  // namespace
