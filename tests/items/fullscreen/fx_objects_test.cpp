// The run-time object of the full-screen effects and what it loads, with a resource manager
// whose maker records requests and makes fake device objects: the effect of the item's link,
// the mask under its GUID, the pattern and bump images (a pattern's animated image from the test
// pack); and what happens without them.
#include <gtest/gtest.h>

#include <memory>

#include "document/doc_res_manager.h"
#include "items/fullscreen/kq_brush_obj.h"
#include "items/fullscreen/kq_light_fx.h"
#include "items/fullscreen/kq_pattern_brush.h"
#include "items/fullscreen/kq_underwater_fx.h"
#include "items/fullscreen/kq_water_fx.h"
#include "show/kq_slide_container.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tests/support/fx_testing.h"
#include "tests/support/recording_effect.h"
#include "tests/support/recording_maker.h"

namespace fx_testing {
namespace {

using doc_res_testing::Bytes;
using doc_res_testing::NamedRecord;

class BrushObject : public ::testing::Test {
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

  // The link's effect is made from compiled-looking bytes the document carries.
  void GiveEffect(const KQ_HLSLEffectFile& link, const std::string& name) {
    Cache().blobCache[link.Key()] = {NamedRecord(L"effect", Bytes("fx " + name))};
  }
  ID3DXEffect* CachedEffect(const KQ_HLSLEffectFile& link) {
    return Cache().effects[link.Key()].Get();
  }

  std::vector<std::string> log_;
  std::unique_ptr<KQ_DocResManager> manager_;
};

TEST_F(BrushObject, DrawsThroughTheEffectOfItsLinkWithTheMaskOfItsGuid) {
  KQ_LightFX settings;
  GiveEffect(settings.effectFile, "light");
  FakeTexture* mask = new FakeTexture("mask");
  Cache().guidTextures[settings.maskKey] = mask;  // the cache's own reference

  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  auto& brush = dynamic_cast<KQ_BrushObj&>(*item);
  ID3DXEffect* effect = CachedEffect(settings.effectFile);
  ASSERT_NE(nullptr, effect);
  EXPECT_EQ(effect, brush.Fx().Effect());
  EXPECT_EQ(2u, References(effect)) << "the cache's and the item's";
  EXPECT_EQ(mask, brush.Fx().GetMaskTexture());
  EXPECT_EQ(2u, References(mask));
  EXPECT_EQ(nullptr, settings.Effect()) << "only the clone loads";

  TestLight light;
  item->Draw(light);
  ASSERT_EQ(1u, light.draws.size());
  EXPECT_EQ(effect, light.draws[0].effect);
  EXPECT_EQ(&light.GetPictureQuad(), light.draws[0].mesh);

  item.reset();
  EXPECT_EQ(1u, References(effect));
  EXPECT_EQ(1u, References(mask));
}

TEST_F(BrushObject, AGuidWithoutATextureLeavesNoMaskAndAnEmptyEntry) {
  KQ_LightFX settings;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  EXPECT_EQ(nullptr, dynamic_cast<KQ_BrushObj&>(*item).Fx().GetMaskTexture());
  ASSERT_EQ(1u, Cache().guidTextures.count(settings.maskKey));
  EXPECT_EQ(nullptr, Cache().guidTextures[settings.maskKey]);
}

TEST_F(BrushObject, AnEffectThatCannotBeLoadedDrawsNothing) {
  KQ_LightFX settings;
  settings.effectFile.Store({L"no such pack.dll", 76});
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  TestLight light;
  item->Update(0.1f);
  item->Draw(light);
  EXPECT_TRUE(light.draws.empty());
}

TEST_F(BrushObject, WithoutAResourceManagerTheItemDrawsNothing) {
  CurrentDocResManager = nullptr;
  KQ_WaterFX settings;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  TestLight light;
  item->Draw(light);
  EXPECT_TRUE(light.draws.empty());
}

TEST_F(BrushObject, OwnsItsCopySoTheDocumentsSettingsMayGo) {
  auto settings = std::make_unique<KQ_LightFX>();
  settings->asEffect = 1;
  GiveEffect(settings->effectFile, "light");
  std::unique_ptr<KQ_ABObj> item = settings->CreateObject();
  settings.reset();
  EXPECT_EQ(1, item->NeedsSceneCapture());
  TestLight light;
  item->Draw(light);
  EXPECT_EQ(1u, light.draws.size());
}

TEST_F(BrushObject, NeedsSceneCaptureCountsOnePerItemWhateverIsStored) {
  for (int stored : {0, 1, 2, 7, -1}) {
    KQ_LightFX settings;
    settings.asEffect = stored;
    EXPECT_EQ(stored != 0 ? 1 : 0, settings.CreateObject()->NeedsSceneCapture()) << stored;
  }
}

// A slide that becomes current again leaves the effect's clock where it stood.
TEST_F(BrushObject, UpdatesRunTheClonesClockWhichASlideRestartLeavesAlone) {
  KQ_SlideContainer slide;
  slide.AddItemSettings(std::make_unique<KQ_LightFX>());
  slide.InitSlide();
  ASSERT_EQ(1u, slide.Items().size());
  const KQ_FX_Constructor& clone = dynamic_cast<KQ_BrushObj&>(*slide.Items()[0].Get()).Fx();
  slide.FrameMove(0.05f);
  slide.FrameMove(0.1f);
  EXPECT_NEAR(4.0f, clone.LocalTime(), 1e-5f);  // 0.1 s at speed 40
  slide.Restart();
  EXPECT_NEAR(4.0f, clone.LocalTime(), 1e-5f);
  slide.FrameMove(0.3f);
  EXPECT_NEAR(12.0f, clone.LocalTime(), 1e-5f) << "0.2 s more, measured from the last frame";
}

TEST_F(BrushObject, APatternBrushTakesTheFramesOfItsImage) {
  KQ_PatternBrush settings;
  settings.patternImage.Store({L"tiles.png", 4});
  Cache().textureLists[settings.patternImage.Key()] = FakeFrames(3, 32, 16, {0.5f, 0.5f, 0.5f});
  GiveEffect(settings.effectFile, "pattern");
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  const auto& brush = dynamic_cast<const KQ_PatternBrush&>(item->Settings());
  EXPECT_EQ(3u, brush.PatternFrames().frames.size());
  EXPECT_EQ(16, brush.PatternFrames().height);
  EXPECT_EQ(Cache().textureLists[settings.patternImage.Key()].frames[0].Get(),
            brush.PatternFrames().frames[0].Get());
  TestLight light;
  item->Draw(light);
  EXPECT_EQ(1u, light.draws.size());
}

// A path ending in ".dll" names a pack's animated image: all its frames and their times, not the
// one picture an ordinary link to a pack would give.
TEST_F(BrushObject, APatternBrushTakesAnAnimatedImageFromThePackItsPathNames) {
  for (const wchar_t* pack : {test_pack::PackName, L"DOC_TEST_PACK.DLL"}) {
    SCOPED_TRACE(doc_res_testing::Narrow(pack));
    KQ_PatternBrush settings;
    settings.patternImage.Store({pack, test_pack::AnimatedId});
    std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
    const auto& brush = dynamic_cast<const KQ_PatternBrush&>(item->Settings());
    const TextureList& frames = brush.PatternFrames();
    ASSERT_EQ(3u, frames.frames.size());
    for (const auto& frame : frames.frames) EXPECT_NE(nullptr, frame.Get());
    EXPECT_EQ(test_pack::AnimatedFrameTimes, frames.frameTimes);
    EXPECT_EQ(static_cast<int>(test_pack::AnimatedEmbeddedFrame.width), frames.width);
    EXPECT_EQ(static_cast<int>(test_pack::AnimatedEmbeddedFrame.height), frames.height);
    EXPECT_EQ(0u, brush.FrameIndex());
  }
}

TEST_F(BrushObject, APatternBrushWithoutFramesDrawsNothing) {
  KQ_PatternBrush settings;
  settings.patternImage.Store({L"missing.png", 0});
  GiveEffect(settings.effectFile, "pattern");
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  TestLight light;
  item->Draw(light);
  EXPECT_TRUE(light.draws.empty());
}

TEST_F(BrushObject, WaterTakesTheFirstBumpFrameOrNone) {
  KQ_WaterFX settings;
  settings.bumpImage.Store({L"ripples.png", 1});
  Cache().textureLists[settings.bumpImage.Key()] = FakeFrames(2, 64, 64);
  std::unique_ptr<KQ_ABObj> withBump = settings.CreateObject();
  EXPECT_EQ(Cache().textureLists[settings.bumpImage.Key()].frames[0].Get(),
            dynamic_cast<const KQ_WaterFX&>(withBump->Settings()).BumpTexture());

  // An image with no frame at all: no texture to take, and the water draws on without one.
  settings.bumpImage.Store({L"flat.png", 2});
  GiveEffect(settings.effectFile, "water");
  std::unique_ptr<KQ_ABObj> withoutBump = settings.CreateObject();
  EXPECT_EQ(nullptr, dynamic_cast<const KQ_WaterFX&>(withoutBump->Settings()).BumpTexture());
  TestLight light;
  withoutBump->Draw(light);
  EXPECT_EQ(1u, light.draws.size());
}

// The underwater light reads its embedded effect into a temporary and assigns it.
TEST_F(BrushObject, AssignmentTakesSettingsAndSharesTheOthersEffect) {
  KQ_UnderwaterFX target, source;
  GiveEffect(target.effectFile, "ripple");
  target.CreateDeviceObjects(nullptr);
  ID3DXEffect* old = target.Effect();
  source.effectFile.Store({L"other.dll", 5});
  GiveEffect(source.effectFile, "other ripple");
  source.CreateDeviceObjects(nullptr);
  source.amplitude.Set(80);
  source.speed.Set(10);

  target = source;
  EXPECT_EQ(source.Effect(), target.Effect());
  EXPECT_EQ(3u, References(source.Effect())) << "the cache's, the source's and the target's";
  EXPECT_EQ(1u, References(old)) << "the cache's alone";
  EXPECT_FLOAT_EQ(0.01f, target.amplitude.Result());
  EXPECT_FLOAT_EQ(10.0f, target.speed.Result());

  target = target;
  EXPECT_EQ(3u, References(source.Effect()));
}

}  // namespace
}  // namespace fx_testing
