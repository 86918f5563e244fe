// The demo show's light slides, carried by this program as the saver carries it and played
// through: each slide's light is there with what it needs loaded, and with its camera held
// still its picture moves while the slide plays (the flames and the haze, the lake's ripples,
// the rain's rings).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/picture_position.h"
#include "show/lights/fake_lake_2d.h"
#include "show/lights/kq_flame_light.h"
#include "show/lights/kq_water_ring_light.h"
#include "show/project_document.h"
#include "tests/support/scene_device_test.h"

namespace {

class DemoLightSlides : public scene_testing::SceneDeviceTest {
protected:
  void TearDown() override {
    document_ = ProjectDocument();
    SceneDeviceTest::TearDown();
  }

  // A 32 x 32 grid of probes over the frame the show renders now.
  std::vector<D3DCOLOR> RenderedProbes() {
    device->BeginScene();
    document_.root->Render();
    device->EndScene();
    return ReadProbeGrid(8, 4, 4);
  }

  void PlayTo(float until) {
    while (t_ < until) document_.root->FrameMove(t_ += 0.05f);
  }

  ProjectDocument document_;
  float t_ = 100;
};

int Differences(const std::vector<D3DCOLOR>& a, const std::vector<D3DCOLOR>& b, size_t from = 0) {
  int count = 0;
  for (size_t i = from; i < a.size(); ++i) count += !testing_support::ColorNear(a[i], b[i], 16);
  return count;
}

TEST_F(DemoLightSlides, EachLightSlidePlaysItsLight) {
  document_ = LoadProjectDocument();
  ASSERT_NE(nullptr, document_.root);
  for (const RefHolder<KQ_SlideContainer>& slide : document_.root->Slides()) slide->InitSlide();
  document_.root->SetPicturePosition(PositionFit);
  document_.root->FrameMove(t_);

  int flames = 0, lakes = 0, rings = 0;
  for (const RefHolder<KQ_SlideContainer>& slide : document_.root->Slides()) {
    while (document_.root->CurrentSlide() != slide.Get()) {
      document_.root->FrameMove(t_ += 0.05f);
      ASSERT_LT(t_, 2000.0f) << "the show never reached the slide";
    }
    KQ_2D_Light* light = slide->GetLight().Get();
    auto* flame = dynamic_cast<KQ_FlameLight*>(light);
    auto* lake = dynamic_cast<FakeLake2D*>(light);
    auto* water = dynamic_cast<KQ_WaterRingLight*>(light);
    if (!flame && !lake && !water) continue;
    light->camera.on = 0;
    const std::string name(slide->name.Get().begin(), slide->name.Get().end());
    SCOPED_TRACE(name);
    if (flame) {
      ++flames;
      EXPECT_TRUE(flame->distortion.Loaded());
      EXPECT_NE(nullptr, flame->fire.Effect());
    }
    if (lake) {
      ++lakes;
      ASSERT_NE(nullptr, lake->BumpTexture()) << "the bump texture the document carries";
      D3DSURFACE_DESC desc;
      lake->BumpTexture()->GetLevelDesc(0, &desc);
      EXPECT_EQ(D3DFMT_V8U8, desc.Format);
      EXPECT_NE(nullptr, lake->ReflectionTexture());
    }
    if (water) {
      ++rings;
      EXPECT_TRUE(water->Surface().HasBuffers());
    }
    // Past the fade-in, two moments 1.5 s apart.
    const float start = t_;
    PlayTo(start + 2);
    const std::vector<D3DCOLOR> before = RenderedProbes();
    PlayTo(start + 3.5f);
    const std::vector<D3DCOLOR> after = RenderedProbes();
    const int moved = Differences(before, after);
    std::printf("%s: %d of %zu probes changed\n", name.c_str(), moved, before.size());
    EXPECT_GT(moved, 10);
    if (lake) {
      // The picture above the horizon stays; only the lake moves. The 4:3 picture fills rows 32
      // to 224 of the square back buffer, and the lake its lowest 35 %: below y = 156.8, the
      // probe row 19 on.
      const size_t firstLakeRow = 19;
      EXPECT_EQ(moved, Differences(before, after, firstLakeRow * 32));
    }
  }
  EXPECT_EQ(1, flames);
  EXPECT_EQ(1, lakes);
  EXPECT_EQ(1, rings);
}

}  // namespace
