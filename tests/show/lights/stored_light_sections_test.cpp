// The effect lights' current sections written by hand, row by row in the order a document holds
// them: each is read field by field and written back to the very same bytes. Every field has a
// value of its own, so one read into another's place shows.
#include <gtest/gtest.h>

#include <cstring>

#include "show/lights/fake_lake_2d.h"
#include "show/lights/fake_undervater.h"
#include "show/lights/kq_flame_light.h"
#include "show/lights/kq_water_ring_light.h"
#include "tests/show/lights/read_light.h"
#include "tests/support/stored_sections.h"

namespace {

using namespace testing_support::stored_fields;
using lights_testing::ReadLight;
using testing_support::CameraSection;
using testing_support::Fixture;
using testing_support::FxConstructorFields;
using testing_support::LightSection;
using testing_support::Written;

const FileLinkKey ShoreLink{L"shore.jpg", 9};

std::vector<uint8_t> ShoreLight() { return LightSection(ShoreLink, CameraSection(1, 140, 45)); }

void ExpectShoreLight(const KQ_2D_Light& light) {
  EXPECT_TRUE(ShoreLink == light.pictureLink.Key());
  EXPECT_EQ(1, light.camera.on.Get());
  EXPECT_EQ(140u, light.camera.zoom.Get());
  EXPECT_EQ(45u, light.camera.speed.Get());
}

TEST(StoredFlameLight, Version2ReadsTheLightTheDistortionAndTheFireAndWritesTheSameBytes) {
  FxConstructorFields fireBase;
  fireBase.effectFile = {L"flames.dll", 92};
  fireBase.objectName = L"hearth";
  const std::vector<uint8_t> bytes = Fixture({
      String(L"KQ_FlameLight"), ULong(2),
      Int(0),                                   // fire on
      Int(1),                                   // distortion on
      UInt(6),                                  // fire offset
      String(L"heat.png"), Int64(-4),           // bump link
      String(L"heat.fx"), Int64(3000000000LL),  // effect link
      UInt(70),                                 // distortion speed
      UInt(40),                                 // strength
      UInt(90),                                 // bump scale
      String(L"KQ_FireFX"), ULong(2),
      Float(1), Float(2), Float(3), Float(4), Float(5), Float(6),  // corners
      Float(7), Float(8), Float(9), Float(10), Float(11), Float(12),
      ULong(0x00112233),                        // end colour
      ULong(0x00445566),                        // start colour
      Int(-9),                                  // first kept int
      String(L"flame.png"), Int64(17),          // pattern image
      String(L"noise.png"), Int64(18),          // noise image
      Int(21),                                  // second kept int
      UInt(110),                                // density
      UInt(30),                                 // brightness
      UInt(80),                                 // pattern size
      testing_support::FxConstructorSection(fireBase),
      ShoreLight(),
  });
  const std::unique_ptr<KQ_FlameLight> flame = ReadLight<KQ_FlameLight>(bytes);
  ASSERT_NE(nullptr, flame);
  EXPECT_EQ(0, flame->fireOn.Get());
  EXPECT_EQ(1, flame->distortionOn.Get());
  EXPECT_EQ(6u, flame->fireOffset.Get());
  EXPECT_TRUE((FileLinkKey{L"heat.png", -4}) == flame->distortion.bumpLink.Key());
  EXPECT_TRUE((FileLinkKey{L"heat.fx", 3000000000LL}) == flame->distortion.effectLink.Key());
  EXPECT_EQ(70u, flame->distortion.speed.Get());
  EXPECT_EQ(40u, flame->distortion.strength.Get());
  EXPECT_EQ(90u, flame->distortion.bumpScale.Get());
  const KQ_FireFX& fire = flame->fire;
  for (int corner = 0; corner < 4; ++corner) {
    const D3DXVECTOR3& c = fire.corners.corners[corner].Get();
    EXPECT_EQ(3.0f * corner + 1, c.x);
    EXPECT_EQ(3.0f * corner + 2, c.y);
    EXPECT_EQ(3.0f * corner + 3, c.z);
  }
  EXPECT_EQ(0x00112233u, fire.endColor.Get());
  EXPECT_EQ(0x00445566u, fire.startColor.Get());
  EXPECT_EQ(-9, fire.auxInt1.Get());
  EXPECT_TRUE((FileLinkKey{L"flame.png", 17}) == fire.patternImage.Key());
  EXPECT_TRUE((FileLinkKey{L"noise.png", 18}) == fire.noiseImage.Key());
  EXPECT_EQ(21, fire.auxInt2.Get());
  EXPECT_EQ(110u, fire.density.Get());
  EXPECT_EQ(30u, fire.brightness.Get());
  EXPECT_EQ(80u, fire.patternSize.Get());
  testing_support::ExpectFxConstructorFields(fireBase, fire);
  ExpectShoreLight(*flame);
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { flame->Write(out); }));
}

TEST(StoredLake, Version2ReadsEverySettingAndTheBumpKeyAndWritesTheSameBytes) {
  const GUID bumpId = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
  const std::vector<uint8_t> bytes = Fixture({
      String(L"FakeLake2D"), ULong(2),
      UInt(150),          // bump tiling
      UInt(20),           // wave speed
      UInt(10),           // lake share
      UInt(40),           // generator level
      UInt(50),           // tint strength
      UInt(15),           // tint fade
      UInt(33),           // bump amplitude
      UInt(12),           // band height
      Int(2),             // reflection size
      ULong(0x00102030),  // water colour
      String(L"{12345678-9ABC-DEF0-0123-456789ABCDEF}"), String(L"ripples"), Bool(false),
      ShoreLight(),
  });
  const std::unique_ptr<FakeLake2D> lake = ReadLight<FakeLake2D>(bytes);
  ASSERT_NE(nullptr, lake);
  EXPECT_EQ(150u, lake->bumpTiling.Get());
  EXPECT_EQ(20u, lake->waveSpeed.Get());
  EXPECT_EQ(10u, lake->lakeShare.Get());
  EXPECT_EQ(40u, lake->generatorLevel.Get());
  EXPECT_EQ(50u, lake->tintStrength.Get());
  EXPECT_EQ(15u, lake->tintFade.Get());
  EXPECT_EQ(33u, lake->bumpAmplitude.Get());
  EXPECT_EQ(12u, lake->bandHeight.Get());
  EXPECT_EQ(2, lake->reflectionSize.Get());
  EXPECT_EQ(0x00102030u, lake->waterColor.Get());
  EXPECT_EQ(0, std::memcmp(&bumpId, &lake->bumpKey.id, sizeof(GUID)));
  EXPECT_EQ(L"ripples", lake->bumpKey.name);
  EXPECT_FALSE(lake->bumpKey.flag);
  ExpectShoreLight(*lake);
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { lake->Write(out); }));
}

TEST(StoredWaterRing, Version2ReadsEverySettingThenTheModeAndWritesTheSameBytes) {
  const std::vector<uint8_t> bytes = Fixture({
      String(L"KQ_WaterRingLight"), ULong(2),
      UInt(11),  // wave speed
      UInt(12),  // row detail
      UInt(13),  // column detail
      UInt(14),  // drop strength
      UInt(15),  // calm
      UInt(16),  // depth
      UInt(17),  // drop rate
      UInt(18),  // specular
      UInt(19),  // shininess
      Int(1),    // mode
      ShoreLight(),
  });
  const std::unique_ptr<KQ_WaterRingLight> ring = ReadLight<KQ_WaterRingLight>(bytes);
  ASSERT_NE(nullptr, ring);
  EXPECT_EQ(11u, ring->waveSpeed.Get());
  EXPECT_EQ(12u, ring->rowDetail.Get());
  EXPECT_EQ(13u, ring->columnDetail.Get());
  EXPECT_EQ(14u, ring->dropStrength.Get());
  EXPECT_EQ(15u, ring->calm.Get());
  EXPECT_EQ(16u, ring->depth.Get());
  EXPECT_EQ(17u, ring->dropRate.Get());
  EXPECT_EQ(18u, ring->specular.Get());
  EXPECT_EQ(19u, ring->shininess.Get());
  EXPECT_EQ(1, ring->mode.Get());
  ExpectShoreLight(*ring);
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { ring->Write(out); }));
}

TEST(StoredUnderwaterLight, Version2ReadsTheWholeRippleThenTheLightAndWritesTheSameBytes) {
  const FxConstructorFields rippleBase;
  const std::vector<uint8_t> bytes = Fixture({
      String(L"FakeUndervater"), ULong(2),
      String(L"KQ_UnderwaterFX"), ULong(1), UInt(80), UInt(30),
      testing_support::FxConstructorSection(rippleBase),
      ShoreLight(),
  });
  const std::unique_ptr<FakeUndervater> light = ReadLight<FakeUndervater>(bytes);
  ASSERT_NE(nullptr, light);
  EXPECT_EQ(80u, light->ripple.amplitude.Get());
  EXPECT_EQ(30u, light->ripple.frequency.Get());
  testing_support::ExpectFxConstructorFields(rippleBase, light->ripple);
  ExpectShoreLight(*light);
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { light->Write(out); }));
}

}  // namespace
