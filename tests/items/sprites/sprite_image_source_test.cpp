// Where a sprite object takes its image's frames from: source kind 1 reads the animated image of
// the pack the link names, any other kind resolves the link as an ordinary image. Without a
// device, through a resource manager that records what it makes, over the real test pack.
#include <gtest/gtest.h>

#include "items/sprites/kq_fish_constructor.h"
#include "items/sprites/kq_sprite_array_obj.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tests/support/recording_maker.h"

namespace {

using namespace test_pack;

class SpriteImageSourceTest : public ::testing::Test {
protected:
  void SetUp() override { CurrentDocResManager = manager.get(); }
  void TearDown() override { CurrentDocResManager = nullptr; }

  // A manager with nothing resolved yet: a list already cached under a link would be returned
  // whichever way the link is asked for.
  void StartAfresh() {
    manager = doc_res_testing::RecordingManager(log);
    CurrentDocResManager = manager.get();
  }

  // The frames a fish with this image source is made with.
  TextureList FramesOf(int sourceKind, const KQ_ImageFileLink& image) {
    KQ_FishConstructor fish;
    fish.image.Store(image.Key());
    fish.sourceKind = sourceKind;
    std::unique_ptr<KQ_ABObj> item = fish.CreateObject();
    return static_cast<KQ_SpriteArrayObj&>(*item).frames;
  }

  std::vector<std::string> log;
  std::unique_ptr<KQ_DocResManager> manager = doc_res_testing::RecordingManager(log);
};

TEST_F(SpriteImageSourceTest, SourceKindOneTakesThePacksAnimatedImage) {
  const TextureList frames = FramesOf(1, KQ_ImageFileLink(AnimatedId, PackName));
  ASSERT_EQ(3u, frames.frames.size());
  for (const auto& frame : frames.frames) EXPECT_NE(nullptr, frame.Get());
  EXPECT_EQ(AnimatedFrameTimes, frames.frameTimes);
  EXPECT_EQ(static_cast<int>(AnimatedEmbeddedFrame.width), frames.width);
  EXPECT_EQ(static_cast<int>(AnimatedEmbeddedFrame.height), frames.height);
}

// The same link as an ordinary image: one picture from the pack's resource, no frame times.
TEST_F(SpriteImageSourceTest, AnyOtherSourceKindResolvesTheLinkAsAnImage) {
  for (int sourceKind : {0, 2, -1}) {
    SCOPED_TRACE(sourceKind);
    StartAfresh();
    const KQ_ImageFileLink picture(WideId, PackName);
    const TextureList frames = FramesOf(sourceKind, picture);
    ASSERT_EQ(1u, frames.frames.size());
    EXPECT_EQ(manager->GetImageTextures(picture).frames[0].Get(), frames.frames[0].Get());
    EXPECT_EQ(static_cast<int>(Wide.width), frames.width);
    EXPECT_TRUE(frames.frameTimes.empty());

    StartAfresh();
    const TextureList animated = FramesOf(sourceKind, KQ_ImageFileLink(AnimatedId, PackName));
    EXPECT_EQ(1u, animated.frames.size()) << "the animated image read as one picture";
    EXPECT_TRUE(animated.frameTimes.empty());
  }
}

}  // namespace
