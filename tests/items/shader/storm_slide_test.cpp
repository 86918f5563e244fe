// The built-in demo show's storm slide, from the document this program carries as the saver
// does: its bolts and bursts are made with the pack's effects and images and the document's
// gradient, its crackle and sheet lightning with the document's sprite images, and playing the
// slide draws lightning and fire over the picture.
#include <gtest/gtest.h>

#include "items/shader/kq_explosion_constructor.h"
#include "items/shader/kq_fx_obj.h"
#include "items/shader/kq_glowing_obj.h"
#include "items/sprites/kq_discharge_constructor.h"
#include "items/sprites/kq_lighting_constructor.h"
#include "items/sprites/kq_sprite_array_obj.h"
#include "render/picture_view.h"
#include "show/project_document.h"
#include "tests/support/scene_device_test.h"

namespace {

class StormSlide : public scene_testing::SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    if (HasFatalFailure()) return;
    document_ = LoadProjectDocument();
    for (const RefHolder<KQ_SlideContainer>& slide : document_.root->Slides()) {
      slide->InitSlide();
      if (slide->name.Get() == L"Storm over the mountains") slide_ = slide.Get();
    }
    ASSERT_NE(nullptr, slide_) << "the show has its storm slide";
    slide_->SetPicturePosition(PositionStretch);
    slide_->Resize(Width, Height);
    slide_->Restart();
  }
  void TearDown() override {
    document_ = ProjectDocument();
    SceneDeviceTest::TearDown();
  }

  // Plays the slide on from `from` to `to` seconds in 50 ms frames.
  void Play(float from, float to) {
    for (float t = from; t < to; t += 0.05f) slide_->FrameMove(t);
  }
  // Draws the frame, with its items or its light alone, and sums the red, green and blue of
  // every eighth pixel across and down.
  long long Brightness(bool withItems) {
    Clear(0xFF000000);
    device->BeginScene();
    if (withItems) {
      slide_->RenderSlide();
    } else {
      slide_->GetLight()->RenderBackground();
    }
    device->EndScene();
    long long sum = 0;
    for (D3DCOLOR c : ReadProbeGrid(8)) sum += (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
    return sum;
  }
  ProjectDocument document_;
  KQ_SlideContainer* slide_ = nullptr;
};

TEST_F(StormSlide, HasTwoBoltsThreeBurstsACrackleAndSheetLightningWithTheirTextures) {
  ASSERT_EQ(7u, slide_->Items().size());
  auto* crackle = dynamic_cast<KQ_SpriteArrayObj*>(slide_->Items()[0].Get());
  ASSERT_NE(nullptr, crackle);
  EXPECT_TRUE(dynamic_cast<KQ_DischargeConstructor*>(crackle->settings));
  EXPECT_EQ(4u, crackle->settings->frameCount) << "a sheet of four crackles";
  for (size_t i = 1; i < 3; ++i) {
    auto* bolt = dynamic_cast<KQ_GlowingObj*>(slide_->Items()[i].Get());
    ASSERT_NE(nullptr, bolt) << i;
    EXPECT_NE(nullptr, bolt->Glow().Effect());
    EXPECT_NE(nullptr, bolt->Glow().GlowTexture());
    EXPECT_NE(nullptr, bolt->Glow().TopTexture());
    EXPECT_TRUE(bolt->GlowTarget().HasTextures());
  }
  for (size_t i = 3; i < 6; ++i) {
    auto* burst = dynamic_cast<KQ_FXObj*>(slide_->Items()[i].Get());
    ASSERT_NE(nullptr, burst) << i;
    EXPECT_NE(nullptr, burst->Fx().Effect());
    EXPECT_TRUE(dynamic_cast<KQ_ExplosionConstructor*>(&burst->Fx()));
  }
  auto* flashes = dynamic_cast<KQ_SpriteArrayObj*>(slide_->Items()[6].Get());
  ASSERT_NE(nullptr, flashes);
  EXPECT_TRUE(dynamic_cast<KQ_LightingConstructor*>(flashes->settings));
  for (KQ_SpriteArrayObj* sprites : {crackle, flashes}) {
    EXPECT_NE(nullptr, sprites->CurrentFrameTexture()) << "the sprite image was decoded";
  }
}

// The bolts and the bursts add light to the picture at every moment of their cycles probed.
TEST_F(StormSlide, PlayingItLightsUpThePicture) {
  float t = 0;
  for (float until : {0.9f, 2.0f, 3.1f, 4.4f}) {
    Play(t, until);
    t = until;
    const long long lit = Brightness(true), plain = Brightness(false);
    EXPECT_GT(lit, plain + plain / 50) << "at " << t << " s";
  }
}

// The crackle at the strike point, always lit, and the sheet lightning add light over the rest.
TEST_F(StormSlide, ItsSpritesAddLightOverTheRest) {
  Play(0, 2.0f);
  const long long withSprites = Brightness(true);
  for (size_t i : {0u, 6u}) {
    static_cast<KQ_SpriteArrayObj*>(slide_->Items()[i].Get())->settings->count.Set(0);
  }
  EXPECT_GT(withSprites, Brightness(true));
}

}  // namespace
