// The sections of the effect lights: what each reads at every stored version, that the base
// light's section follows, and that each writes exactly what it reads.
#include <gtest/gtest.h>

#include <cstring>

#include "document/guid_string.h"
#include "show/lights/fake_lake_2d.h"
#include "show/lights/kq_water_ring_light.h"
#include "tests/show/lights/read_light.h"

namespace {

using lights_testing::ReadLight;
using testing_support::Written;

void WritePictureSection(KQ_IOF_Virtual& out) {
  KQ_2D_Light base;
  base.pictureLink.Store({L"shore.jpg", 9});
  base.Write(out);
}

const GUID StoredKey = {0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};

TEST(LakeSection, Version2RoundTripsEverySetting) {
  FakeLake2D lake;
  lake.bumpTiling.Set(150);
  lake.waveSpeed.Set(20);
  lake.lakeShare.Set(0);
  lake.generatorLevel.Set(40);
  lake.tintStrength.Set(50);
  lake.tintFade.Set(10);
  lake.bumpAmplitude = 33;
  lake.bandHeight = 12;
  lake.reflectionSize = 2;
  lake.waterColor = 0x102030;
  lake.bumpKey = {StoredKey, L"ripples", false};
  lake.pictureLink.Store({L"shore.jpg", 9});
  const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) { lake.Write(out); });

  const std::unique_ptr<FakeLake2D> read = ReadLight<FakeLake2D>(bytes);
  ASSERT_NE(nullptr, read);
  EXPECT_FLOAT_EQ(1.5f, read->bumpTiling.Result());
  EXPECT_FLOAT_EQ(0.4f, read->waveSpeed.Result());
  EXPECT_FLOAT_EQ(0.5f, read->lakeShare.Result()) << "value 0 fills the lower half";
  EXPECT_FLOAT_EQ(0.4f, read->generatorLevel.Result());
  EXPECT_FLOAT_EQ(0.4f, read->tintStrength.Result());
  EXPECT_FLOAT_EQ(0.1f, read->tintFade.Result());
  EXPECT_EQ(33u, read->bumpAmplitude.Get());
  EXPECT_EQ(12u, read->bandHeight.Get());
  EXPECT_EQ(2, read->reflectionSize.Get());
  EXPECT_EQ(0x102030u, read->waterColor.Get());
  EXPECT_EQ(0, std::memcmp(&StoredKey, &read->bumpKey.id, sizeof(GUID)));
  EXPECT_EQ(L"ripples", read->bumpKey.name);
  EXPECT_FALSE(read->bumpKey.flag);
  EXPECT_TRUE((FileLinkKey{L"shore.jpg", 9}) == read->pictureLink.Key());
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { read->Write(out); }));
}

TEST(LakeSection, Version1HoldsOnlyTheBumpKey) {
  const std::vector<uint8_t> bytes = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"FakeLake2D", 1);
    WriteGuidString(out, StoredKey);
    out.WriteString(L"old ripples");
    out.WriteBool(true);
    WritePictureSection(out);
  });
  const std::unique_ptr<FakeLake2D> read = ReadLight<FakeLake2D>(bytes);
  ASSERT_NE(nullptr, read);
  const FakeLake2D defaults;
  EXPECT_EQ(0, std::memcmp(&StoredKey, &read->bumpKey.id, sizeof(GUID)));
  EXPECT_EQ(L"old ripples", read->bumpKey.name);
  EXPECT_FLOAT_EQ(0.375f, read->lakeShare.Result());
  EXPECT_FLOAT_EQ(0.248f, read->tintStrength.Result());
  EXPECT_FLOAT_EQ(0.58f, read->tintFade.Result());
  EXPECT_FLOAT_EQ(1.0f, read->bumpTiling.Result());
  EXPECT_FLOAT_EQ(1.0f, read->waveSpeed.Result());
  EXPECT_EQ(7u, read->bandHeight.Get());
  EXPECT_EQ(1, read->reflectionSize.Get());
  EXPECT_EQ(0x408000u, read->waterColor.Get());
  EXPECT_TRUE((FileLinkKey{L"shore.jpg", 9}) == read->pictureLink.Key());
  // Every new lake has a key of its own.
  const FakeLake2D another;
  EXPECT_NE(0, std::memcmp(&defaults.bumpKey.id, &another.bumpKey.id, sizeof(GUID)));
  EXPECT_TRUE(defaults.bumpKey.flag);
}

TEST(WaterRingSection, Version2RoundTripsEverySetting) {
  KQ_WaterRingLight water;
  water.waveSpeed = 10;
  water.rowDetail = 20;
  water.columnDetail = 30;
  water.dropStrength = 40;
  water.calm = 60;
  water.depth = 70;
  water.dropRate.Set(60);
  water.specular.Set(50);
  water.shininess.Set(25);
  water.mode = 1;
  water.pictureLink.Store({L"shore.jpg", 9});
  const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) { water.Write(out); });

  const std::unique_ptr<KQ_WaterRingLight> read = ReadLight<KQ_WaterRingLight>(bytes);
  ASSERT_NE(nullptr, read);
  EXPECT_EQ(10u, read->waveSpeed.Get());
  EXPECT_EQ(20u, read->rowDetail.Get());
  EXPECT_EQ(30u, read->columnDetail.Get());
  EXPECT_EQ(40u, read->dropStrength.Get());
  EXPECT_EQ(60u, read->calm.Get());
  EXPECT_EQ(70u, read->depth.Get());
  EXPECT_FLOAT_EQ(1.0f, read->dropRate.Result());
  EXPECT_FLOAT_EQ(0.5f, read->specular.Result());
  EXPECT_FLOAT_EQ(20.0f, read->shininess.Result());
  EXPECT_EQ(1, read->mode.Get());
  EXPECT_TRUE(read->NeedsSceneCapture());
  EXPECT_TRUE((FileLinkKey{L"shore.jpg", 9}) == read->pictureLink.Key());
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { read->Write(out); }));
}

TEST(WaterRingSection, Version1HoldsOnlyTheMode) {
  const std::vector<uint8_t> bytes = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_WaterRingLight", 1);
    out.WriteInt(1);
    WritePictureSection(out);
  });
  const std::unique_ptr<KQ_WaterRingLight> read = ReadLight<KQ_WaterRingLight>(bytes);
  ASSERT_NE(nullptr, read);
  EXPECT_EQ(1, read->mode.Get());
  EXPECT_EQ(0u, read->waveSpeed.Get());
  EXPECT_EQ(50u, read->dropStrength.Get());
  EXPECT_EQ(50u, read->calm.Get());
  EXPECT_EQ(20u, read->depth.Get());
  // The defaults' exact float scales: 1/60 and 0.8 rounded down.
  EXPECT_EQ(0.5f, read->dropRate.Result());
  EXPECT_FLOAT_EQ(0.9f, read->specular.Result());
  EXPECT_EQ(50 * 0.79999995f, read->shininess.Result());
  EXPECT_TRUE((FileLinkKey{L"shore.jpg", 9}) == read->pictureLink.Key());
}

}  // namespace
