// The built-in demo show, carried by this program as the saver carries it, played through to
// its effect slides: each slide's item is a full-screen effect with its effect loaded, and it
// changes what the slide's light alone draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "items/fullscreen/kq_brush_obj.h"
#include "render/picture_view.h"
#include "show/project_document.h"
#include "tests/support/scene_device_test.h"

namespace {

class DemoEffectSlides : public scene_testing::SceneDeviceTest {
protected:
  void TearDown() override {
    document_ = ProjectDocument();
    SceneDeviceTest::TearDown();
  }

  // Every pixel of the back buffer, row by row.
  std::vector<D3DCOLOR> Snapshot() {
    std::vector<D3DCOLOR> pixels;
    IDirect3DSurface9* target = nullptr;
    IDirect3DSurface9* copy = nullptr;
    device->GetRenderTarget(0, &target);
    device->CreateOffscreenPlainSurface(Width, Height, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &copy,
                                        nullptr);
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(device->GetRenderTargetData(target, copy)) &&
        SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
      for (UINT y = 0; y < Height; ++y) {
        const auto* row = reinterpret_cast<const D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) +
                                                            y * locked.Pitch);
        pixels.insert(pixels.end(), row, row + Width);
      }
      copy->UnlockRect();
    }
    if (copy) copy->Release();
    target->Release();
    return pixels;
  }

  // How many pixels of the slide's frame differ clearly from its light drawn alone.
  int PixelsTheItemChanges(KQ_SlideContainer& slide) {
    device->BeginScene();
    document_.root->Render();
    device->EndScene();
    const std::vector<D3DCOLOR> withItem = Snapshot();
    device->BeginScene();
    slide.GetLight()->RenderBackground();
    device->EndScene();
    const std::vector<D3DCOLOR> lightAlone = Snapshot();
    int changed = 0;
    for (size_t i = 0; i < withItem.size() && i < lightAlone.size(); ++i) {
      for (int shift : {0, 8, 16}) {
        const int a = (withItem[i] >> shift) & 0xFF, b = (lightAlone[i] >> shift) & 0xFF;
        if (std::abs(a - b) > 16) {
          ++changed;
          break;
        }
      }
    }
    return changed;
  }

  ProjectDocument document_;
};

TEST_F(DemoEffectSlides, EachEffectSlidePlaysItsEffect) {
  document_ = LoadProjectDocument();
  for (const RefHolder<KQ_SlideContainer>& slide : document_.root->Slides()) slide->InitSlide();
  document_.root->SetPicturePosition(PositionFit);

  int effectSlides = 0;
  float t = 100;
  document_.root->FrameMove(t);
  for (const RefHolder<KQ_SlideContainer>& slide : document_.root->Slides()) {
    // Play on to the slide in 50 ms frames.
    while (document_.root->CurrentSlide() != slide.Get()) {
      t += 0.05f;
      document_.root->FrameMove(t);
      ASSERT_LT(t, 1000.0f) << "the show never reached the slide";
    }
    if (slide->Items().size() != 1) continue;
    const auto* brush = dynamic_cast<const KQ_BrushObj*>(slide->Items()[0].Get());
    if (!brush) continue;
    ++effectSlides;
    const std::string name(slide->name.Get().begin(), slide->name.Get().end());
    SCOPED_TRACE(name);
    EXPECT_NE(nullptr, brush->Fx().Effect()) << "the pack's effect loads";
    // Well into the slide, past its fade-in, at a few moments: the effect shows at them.
    int mostChanged = 0;
    const float start = t;
    for (float into : {2.0f, 4.0f, 6.0f}) {
      while (t < start + into) {
        t += 0.05f;
        document_.root->FrameMove(t);
      }
      mostChanged = std::max(mostChanged, PixelsTheItemChanges(*slide.Get()));
    }
    std::printf("%s: up to %d pixels changed\n", name.c_str(), mostChanged);
    EXPECT_GT(mostChanged, 2000);
  }
  EXPECT_EQ(8, effectSlides);
}

}  // namespace
