// The sprite properties: their section at every stored version (read through a class that adds
// no fields of its own), the writer, the particle colour and the sheet frame order.
#include <gtest/gtest.h>

#include "items/sprites/kq_sparkle_constructor.h"
#include "tests/support/item_testing.h"
#include "tests/support/section_fixtures.h"

namespace {

using namespace item_testing;

Bytes SparkleRecord(unsigned long spriteVersion) {
  const SpritePropFields fields;
  KQ_IOF_W w;
  WriteSectionHeader(w, L"KQ_SparkleConstructor", 1);
  WriteSpritePropSection(w, spriteVersion, fields);
  return w.Bytes();
}

class SpritePropVersions : public testing::TestWithParam<unsigned long> {};

TEST_P(SpritePropVersions, ReadEveryFieldTheVersionHas) {
  const unsigned long version = GetParam();
  const SpritePropFields f;
  const auto sprite = ReadRecord<KQ_SparkleConstructor>(SparkleRecord(version));
  ASSERT_NE(nullptr, sprite);

  EXPECT_EQ(f.view.rectangle[0], sprite->rectangle.left.Get());
  EXPECT_EQ(f.view.rectangle[3], sprite->rectangle.bottom.Get());
  EXPECT_EQ(f.view.rectangle[5], sprite->rectangle.second_extra.Get());
  EXPECT_EQ(f.view.fractions[0], sprite->leftFraction);
  EXPECT_EQ(f.view.fractions[3], sprite->bottomFraction);
  EXPECT_TRUE(sprite->storedFlag);
  EXPECT_EQ(f.view.objectName, sprite->objectName);
  // Versions 1 and 2 carry the speed here; later ones in the view section.
  EXPECT_EQ(version <= 2 ? f.speed : f.view.speed, sprite->speed.Get());

  EXPECT_EQ(f.count, sprite->count.Get());
  EXPECT_EQ(f.size, sprite->size.Get());
  EXPECT_EQ(f.transparency, sprite->transparency.Get());
  EXPECT_EQ(204, sprite->transparency.Result()) << "the alpha byte follows the stored value";
  EXPECT_EQ(f.additive, sprite->additive.Get());
  EXPECT_EQ(f.colour, sprite->colour.Get());
  EXPECT_EQ(f.fadeSpeed, sprite->fadeSpeed);
  EXPECT_EQ(f.minAlpha, sprite->minAlpha);
  EXPECT_EQ(f.maxAlpha, sprite->maxAlpha);
  EXPECT_EQ(f.minSize, sprite->minSizeFactor);
  EXPECT_EQ(f.maxSize, sprite->maxSizeFactor);
  EXPECT_EQ(f.reservedCount, sprite->reservedCount);
  EXPECT_EQ(f.reservedValue, sprite->reservedValue);
  EXPECT_EQ(f.frameCount, sprite->frameCount);
  EXPECT_EQ(f.frameRate, sprite->frameRate);
  EXPECT_TRUE(sprite->sheetMode);

  if (version >= 2) {
    EXPECT_EQ((FileLinkKey{f.imagePath, f.imageId}), sprite->image.Key());
    EXPECT_EQ((FileLinkKey{f.secondPath, f.secondId}), sprite->secondImage.Key());
    EXPECT_TRUE(sprite->legacyFrames.empty());
    EXPECT_TRUE(sprite->legacyFrameTimes.empty());
  } else {
    EXPECT_TRUE(sprite->image.Key().path.empty());
    ASSERT_EQ(1u, sprite->legacyFrames.size());
    EXPECT_EQ(41, sprite->legacyFrames.front().id);
    EXPECT_EQ(42, sprite->legacySecondImage.id);
    EXPECT_EQ(f.legacyTimes, sprite->legacyFrameTimes);
  }
  EXPECT_EQ(version >= 4 ? f.sourceKind : 0, sprite->sourceKind);
  EXPECT_EQ(version >= 5 ? f.flipVertical : 0, sprite->flipVertical.Get());
  EXPECT_EQ(version >= 5 ? f.mirror : 0, sprite->mirror.Get());
  EXPECT_EQ(version >= 6 ? f.refillOnFrame : 0, sprite->refillOnFrame.Get());
}

TEST_P(SpritePropVersions, WriterGivesTheCurrentVersionThatReadsBackTheSame) {
  const auto sprite = ReadRecord<KQ_SparkleConstructor>(SparkleRecord(GetParam()));
  ASSERT_NE(nullptr, sprite);
  const Bytes written = Written(*sprite);
  const auto reread = ReadRecord<KQ_SparkleConstructor>(written);
  ASSERT_NE(nullptr, reread);
  EXPECT_EQ(written, Written(*reread));
}

INSTANTIATE_TEST_SUITE_P(StoredVersions, SpritePropVersions, testing::Values(1, 2, 3, 4, 5, 6));

TEST(KQ_BaseSpriteProp, WriterPutsTheBaseSectionFirstInTheCurrentLayout) {
  const Bytes fixture = SparkleRecord(6);
  const auto sprite = ReadRecord<KQ_SparkleConstructor>(fixture);
  ASSERT_NE(nullptr, sprite);
  EXPECT_EQ(fixture, Written(*sprite));
}

TEST(KQ_BaseSpriteProp, TransparencyGivesAnAlphaByteThatNeverWrapsAround) {
  const struct {
    unsigned int transparency;
    unsigned char alpha;
  } cases[] = {{0, 255}, {50, 127}, {100, 0}, {101, 0}, {4000000000u, 0}};
  for (const auto& c : cases) {
    KQ_SparkleConstructor sprite;
    sprite.transparency.Set(c.transparency);
    EXPECT_EQ(c.alpha, sprite.transparency.Result()) << "transparency " << c.transparency;
  }
}

TEST(KQ_BaseSpriteProp, ParticleColourTakesTheTintAndClampsTheAlpha) {
  KQ_SparkleConstructor sprite;
  sprite.colour = 0x000080FF;  // red 255, green 128, blue 0
  const struct {
    float particleAlpha;
    D3DCOLOR argb;
  } cases[] = {{1, 0xFFFF8000}, {0.5f, 0x7FFF8000}, {0, 0x00FF8000},
               {1.5f, 0xFFFF8000}, {-0.5f, 0x00FF8000}};
  for (const auto& c : cases)
    EXPECT_EQ(c.argb, sprite.ParticleColour(c.particleAlpha)) << "alpha " << c.particleAlpha;
  sprite.transparency.Set(50);
  EXPECT_EQ(0x3FFF8000u, sprite.ParticleColour(0.5f)) << "127 x 0.5 truncated";
}

TEST(KQ_BaseSpriteProp, NextFrameIndexRunsRoundTheSheet) {
  KQ_SparkleConstructor sprite;
  sprite.frameCount = 4;
  uint32_t frame = 0;
  std::vector<uint32_t> frames;
  for (int i = 0; i < 5; ++i) frames.push_back(frame = sprite.NextFrameIndex(frame));
  EXPECT_EQ((std::vector<uint32_t>{1, 2, 3, 0, 1}), frames);
  sprite.frameCount = 0;
  EXPECT_EQ(0u, sprite.NextFrameIndex(2)) << "a sheet without frames stays on frame 0";
}

}  // namespace
