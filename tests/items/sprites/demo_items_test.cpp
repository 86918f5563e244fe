// The demo show's item slides, embedded in this test program as the saver embeds the show
// ("DDS" 107): played to the middle of each, their sprite systems run with their images, and
// the frame differs from the same frame drawn without them exactly where sprites are.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <typeinfo>

#include "items/sprites/kq_sprite_array_obj.h"
#include "render/picture_layout.h"
#include "show/kq_slide_show_light.h"
#include "show/project_document.h"
#include "tests/support/scene_device_test.h"

namespace {

class DemoItemsTest : public scene_testing::SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    CurrentPictureView().position = PositionFit;
    document = LoadProjectDocument();
    ASSERT_NE(nullptr, document.root);
    for (const RefHolder<KQ_SlideContainer>& slide : document.root->Slides()) slide->InitSlide();
    document.root->SetPicturePosition(PositionFit);
  }

  // Frame moves as a saver makes them, every 0.1 s, up to `end`; then one frame drawn.
  void PlayUntil(float end) {
    for (; t + 0.1f < end; t += 0.1f) document.root->FrameMove(t);
    t = end;
    document.root->FrameMove(t);
    Draw();
  }

  void Draw() {
    device->BeginScene();
    document.root->Render();
    device->EndScene();
  }

  std::vector<D3DCOLOR> Pixels() { return ReadProbeGrid(2); }

  // The sprite systems of a slide drawn straight onto the back buffer; a slide with items drawn
  // through the scene capture (the storm) has its own test.
  static std::vector<KQ_SpriteArrayObj*> SpritesOf(const KQ_SlideContainer& slide) {
    std::vector<KQ_SpriteArrayObj*> sprites;
    for (const RefHolder<KQ_ABObj>& item : slide.Items())
      if (item->NeedsSceneCapture()) return {};
    for (const RefHolder<KQ_ABObj>& item : slide.Items())
      if (auto* system = dynamic_cast<KQ_SpriteArrayObj*>(item.Get())) sprites.push_back(system);
    return sprites;
  }

  ProjectDocument document;
  float t = 100;
};

TEST_F(DemoItemsTest, EveryItemSlideRunsItsSpritesOverThePicture) {
  std::set<std::string> classes;
  float slideStart = t;
  size_t itemSlides = 0;
  for (const RefHolder<KQ_SlideContainer>& slide : document.root->Slides()) {
    const SlideDurations durations = slide->Durations();
    const std::vector<KQ_SpriteArrayObj*> sprites = SpritesOf(*slide.Get());
    if (!sprites.empty()) {
      ++itemSlides;
      PlayUntil(slideStart + durations.fadeIn + durations.display / 2);
      ASSERT_EQ(slide.Get(), document.root->CurrentSlide());
      const std::wstring& name = slide->name.Get();
      SCOPED_TRACE(std::string(name.begin(), name.end()));
      for (KQ_SpriteArrayObj* system : sprites) {
        classes.insert(typeid(*system->settings).name());
        EXPECT_NE(nullptr, system->CurrentFrameTexture()) << "the sprite image was decoded";
        EXPECT_EQ(system->settings->count.Get(), system->QuadCount());
        EXPECT_TRUE(system->verticesWritten);
      }
      const std::vector<D3DCOLOR> withSprites = Pixels();
      // The same frame again with every system's count at 0, which draws nothing.
      std::vector<unsigned int> counts;
      for (KQ_SpriteArrayObj* system : sprites) {
        counts.push_back(system->settings->count.Get());
        system->settings->count.Set(0);
      }
      Draw();
      const std::vector<D3DCOLOR> withoutSprites = Pixels();
      size_t differing = 0;
      for (size_t i = 0; i < withSprites.size(); ++i)
        if (!testing_support::ColorNear(withSprites[i], withoutSprites[i], 6)) ++differing;
      EXPECT_GT(differing, 20u) << "sprites show over the picture";
      for (size_t i = 0; i < sprites.size(); ++i) sprites[i]->settings->count.Set(counts[i]);
    }
    slideStart += durations.fadeIn + durations.display + durations.fadeOut;
  }
  EXPECT_EQ(5u, itemSlides);
  EXPECT_EQ(11u, classes.size())
      << "fish, sparkles, god rays, rain, mist, birds, grass, daisies, seeds, ghosts and the moon";
}

}  // namespace
