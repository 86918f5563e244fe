// The glow settings and the glowing object without a device: which composite
// they ask for, the blend colour, what they load from the resource manager, and
// what they draw without an effect or without a glow target.
#include <gtest/gtest.h>

#include <memory>

#include "document/doc_res_manager.h"
#include "items/shader/kq_discharge_fx_constructor.h"
#include "items/shader/kq_glowing_obj.h"
#include "tests/support/fx_testing.h"
#include "tests/support/recording_effect.h"
#include "tests/support/recording_maker.h"

namespace {

using doc_res_testing::Bytes;
using doc_res_testing::NamedRecord;
using fx_testing::EffectCall;
using fx_testing::FakeFrames;
using fx_testing::FakeTexture;
using fx_testing::RecordingEffect;
using fx_testing::References;
using fx_testing::TestLight;

TEST(GlowSettings, ScreenBlendingOnlyForAnAdditiveFlagOfExactlyOne) {
  const struct {
    int additive;
    const char* technique;
  } cases[] = {{0, "Blend_Normal"}, {1, "Blend_Screen"}, {2, "Blend_Normal"}, {-1, "Blend_Normal"}};
  for (const auto& c : cases) {
    KQ_DischargeFXConstructor settings;
    settings.additive = c.additive;
    EXPECT_STREQ(c.technique, settings.CompositeTechnique()) << c.additive;
  }
}

TEST(GlowSettings, BlendColorIsTheColourReferenceAndTheUnlimitedStrength) {
  const struct {
    unsigned long colour;
    unsigned int strength;
    float expected[4];
  } cases[] = {
      {0x00336699, 0, {0x99 / 255.0f, 0x66 / 255.0f, 0x33 / 255.0f, 0}},
      {0x000000FF, 100, {1, 0, 0, 1}},
      {0x00FF0000, 250, {0, 0, 1, 2.5f}},
  };
  for (const auto& c : cases) {
    KQ_DischargeFXConstructor settings;
    settings.glowColour = c.colour;
    settings.glowStrength.Set(c.strength);
    float rgba[4];
    settings.BlendColor(rgba);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(c.expected[i], rgba[i]) << c.colour << " " << i;
  }
}

class GlowingObject : public ::testing::Test {
protected:
  void SetUp() override {
    manager_ = doc_res_testing::RecordingManager(log_);
    CurrentDocResManager = manager_.get();
  }
  void TearDown() override {
    CurrentDocResManager = nullptr;
    manager_.reset();
  }
  ResourceCache& Cache() { return manager_->GetResourceCache(); }
  std::unique_ptr<KQ_GlowingObj> Item(KQ_GlowEffectCtrl& settings) {
    std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
    return std::unique_ptr<KQ_GlowingObj>(static_cast<KQ_GlowingObj*>(item.release()));
  }
  static KQ_DischargeFXConstructor Bolt() {
    KQ_DischargeFXConstructor settings;
    settings.start = D3DXVECTOR3(10, 10, 0);
    settings.end = D3DXVECTOR3(200, 100, 0);
    settings.count = 3;
    return settings;
  }

  std::vector<std::string> log_;
  std::unique_ptr<KQ_DocResManager> manager_;
};

TEST_F(GlowingObject, LoadsTheEffectOnceAndTheChosenBoltImage) {
  KQ_DischargeFXConstructor settings = Bolt();
  Cache().blobCache[settings.effectFile.Key()] = {NamedRecord(L"glow", Bytes("fx glow"))};
  for (const auto& [choice, image] : {std::pair{1, 95}, std::pair{0, 98}}) {
    settings.imageChoice = choice;
    const KQ_ImageFileLink bolt(image, L"tessaly.dll");
    Cache().textureLists[bolt.Key()] = FakeFrames(1, 256, 256);
    KQ_ImageFileLink glowImage(7, L"glow.png");
    settings.secondImage.Store(glowImage.Key());
    Cache().textureLists[glowImage.Key()] = FakeFrames(2, 256, 256);

    const std::unique_ptr<KQ_GlowingObj> item = Item(settings);
    KQ_GlowEffectCtrl& glow = item->Glow();
    ID3DXEffect* effect = Cache().effects[settings.effectFile.Key()].Get();
    ASSERT_NE(nullptr, effect);
    EXPECT_EQ(effect, glow.Effect());
    glow.LoadResources();
    EXPECT_EQ(2u, References(effect)) << "the cache's and the item's, however often it loads";
    EXPECT_EQ(image, glow.image.Key().id);
    EXPECT_EQ(Cache().textureLists[bolt.Key()].frames[0].Get(), glow.TopTexture());
    EXPECT_EQ(Cache().textureLists[glowImage.Key()].frames[0].Get(), glow.GlowTexture());
  }
}

TEST_F(GlowingObject, AnImageWithoutFramesLeavesItsTextureNull) {
  KQ_DischargeFXConstructor settings = Bolt();
  settings.secondImage.Store({L"missing.png", 3});
  const std::unique_ptr<KQ_GlowingObj> item = Item(settings);
  ASSERT_TRUE(manager_->GetImageTextures(settings.secondImage).frames.empty());
  EXPECT_EQ(nullptr, item->Glow().GlowTexture());
}

TEST_F(GlowingObject, WithoutAnEffectDrawsNothing) {
  KQ_DischargeFXConstructor settings = Bolt();
  settings.effectFile.Store({L"missing.dll", 97});
  const std::unique_ptr<KQ_GlowingObj> item = Item(settings);
  ASSERT_EQ(nullptr, item->Glow().Effect());
  TestLight light;
  item->Update(0.05f);
  item->Draw(light);
  EXPECT_TRUE(light.draws.empty());
  EXPECT_EQ(1, item->NeedsSceneCapture());
}

TEST_F(GlowingObject, WithoutAGlowTargetDrawsOnlyTheTopPass) {
  KQ_DischargeFXConstructor settings = Bolt();
  const std::unique_ptr<KQ_GlowingObj> item = Item(settings);
  ASSERT_FALSE(item->GlowTarget().HasTextures()) << "no device here";
  RecordingEffect effect;
  TestLight light;
  item->DrawPasses(effect, light);
  ASSERT_EQ(3u, effect.calls.size());
  EXPECT_EQ("Common", effect.Technique());
  EXPECT_EQ(EffectCall::DrawSprites, effect.calls.back().kind);
  EXPECT_EQ(static_cast<const void*>(static_cast<KQ_IndexedMesh<DX_V::PCT>*>(item.get())),
            effect.calls.back().mesh);
}

TEST_F(GlowingObject, ItsTargetIsAmongTheManagersTargetsWhileItLives) {
  KQ_DischargeFXConstructor settings = Bolt();
  {
    const std::unique_ptr<KQ_GlowingObj> item = Item(settings);
    ASSERT_EQ(1u, Cache().guidTargets.size());
    EXPECT_EQ(&item->GlowTarget(), Cache().guidTargets.begin()->second);
  }
  EXPECT_TRUE(Cache().guidTargets.empty());
}

TEST_F(GlowingObject, UpdateRunsTheSettingsFrameThenMovesTheSegments) {
  KQ_DischargeFXConstructor settings = Bolt();
  const std::unique_ptr<KQ_GlowingObj> item = Item(settings);
  auto& bolt = static_cast<KQ_DischargeFXConstructor&>(item->Glow());
  for (float t : {0.05f, 0.1f, 0.15f}) {
    item->Update(t);
    EXPECT_EQ(3u, bolt.segmentIndex) << "every segment moved once, from the first";
  }
}

}  // namespace
