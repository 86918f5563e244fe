// The document sections of the lightning and the explosion, hand-written from
// the stream's primitives, read through the items registry and written back.
#include <gtest/gtest.h>

#include "items/shader/kq_discharge_fx_constructor.h"
#include "items/shader/kq_explosion_constructor.h"
#include "tests/support/section_fixtures.h"

namespace {

using item_testing::Bytes;
using item_testing::ReadRecord;
using item_testing::SpritePropFields;
using item_testing::Written;

// The effect particle section; `version` stands in every inner header, where it
// is not read.
void WriteEffectParticleSection(KQ_IOF_W& w, unsigned long version) {
  WriteSectionHeader(w, L"KQ_FXParticleSystemCtrl", version);
  w.WriteString(L"effects.dll");
  w.WriteInt64(41);
  WriteSpritePropSection(w, 6, SpritePropFields());
}

Bytes DischargeRecord(unsigned long version) {
  KQ_IOF_W w;
  WriteSectionHeader(w, L"KQ_DischargeFXConstructor", version);
  for (float value : {10.0f, 20.0f, 0.0f, 300.0f, 400.0f, 0.0f}) w.WriteFloat(value);
  w.WriteUInt(80);  // zigzag
  w.WriteInt(0);    // image choice
  w.WriteUInt(60);  // flip interval
  w.WriteUInt(30);  // morph rate
  WriteSectionHeader(w, L"KQ_GlowEffectCtrl", version);
  w.WriteULong(0x00112233);
  w.WriteUInt(150);
  WriteEffectParticleSection(w, version);
  return w.Bytes();
}

Bytes ExplosionRecord(unsigned long version) {
  KQ_IOF_W w;
  WriteSectionHeader(w, L"KQ_ExplosionConstructor", version);
  for (unsigned int value : {10u, 20u, 30u, 45u, 70u, 100u, 200u, 300u, 400u, 500u, 4242u})
    w.WriteUInt(value);
  w.WriteInt(1);             // random mode
  w.WriteULong(0x00445566);  // second colour
  WriteSectionHeader(w, L"KQ_StatBaseFXCtrl", version);
  for (float value : {320.0f, 240.0f, 0.0f}) w.WriteFloat(value);
  WriteSectionHeader(w, L"KQ_BaseFXCtrl", version);
  WriteEffectParticleSection(w, version);
  return w.Bytes();
}

void ExpectSpriteAndEffectFields(const KQ_FXParticleSystemCtrl& settings) {
  EXPECT_EQ(L"effects.dll", settings.effectFile.Key().path);
  EXPECT_EQ(41, settings.effectFile.Key().id);
  EXPECT_EQ(12u, settings.count.Get());
  EXPECT_EQ(48u, settings.size.Get());
  EXPECT_EQ(L"reeds", settings.objectName);
  EXPECT_EQ(nullptr, settings.Effect()) << "nothing is loaded while reading";
}

TEST(ShaderSections, DischargeReadsEveryFieldAtAnyVersion) {
  for (unsigned long version : {1ul, 2ul}) {
    SCOPED_TRACE(version);
    const std::unique_ptr<KQ_DischargeFXConstructor> d =
        ReadRecord<KQ_DischargeFXConstructor>(DischargeRecord(version));
    ASSERT_NE(nullptr, d);
    EXPECT_EQ(D3DXVECTOR3(10, 20, 0), d->start.Get());
    EXPECT_EQ(D3DXVECTOR3(300, 400, 0), d->end.Get());
    EXPECT_FLOAT_EQ(0.8f, d->zigzag.Result());
    EXPECT_EQ(0, d->imageChoice.Get());
    EXPECT_FLOAT_EQ(0.04f, d->flipInterval.Result());
    EXPECT_FLOAT_EQ(3, d->morphRate.Result());
    EXPECT_EQ(0x00112233u, d->glowColour.Get());
    EXPECT_FLOAT_EQ(1.5f, d->glowStrength.Result());
    ExpectSpriteAndEffectFields(*d);
  }
}

TEST(ShaderSections, ExplosionReadsEveryFieldAtAnyVersion) {
  for (unsigned long version : {1ul, 3ul}) {
    SCOPED_TRACE(version);
    const std::unique_ptr<KQ_ExplosionConstructor> e =
        ReadRecord<KQ_ExplosionConstructor>(ExplosionRecord(version));
    ASSERT_NE(nullptr, e);
    EXPECT_FLOAT_EQ(0.9f, e->noise1.Result());
    EXPECT_FLOAT_EQ(0.2f, e->noise2.Result());
    EXPECT_FLOAT_EQ(0.3f, e->noise3.Result());
    EXPECT_EQ(45u, e->noiseDirection.Get());
    EXPECT_FLOAT_EQ(0.35f, e->noiseSpeed.Result());
    EXPECT_EQ(100u, e->growthTime.Get());
    EXPECT_EQ(200u, e->steadyTime.Get());
    EXPECT_EQ(300u, e->fadeTime.Get());
    EXPECT_EQ(400u, e->delay.Get());
    EXPECT_EQ(500u, e->pause.Get());
    EXPECT_EQ(4242u, e->seed.Get());
    EXPECT_EQ(1, e->randomMode.Get());
    EXPECT_EQ(0x00445566u, e->secondColour.Get());
    EXPECT_EQ(D3DXVECTOR3(320, 240, 0), e->centre.Get());
    ExpectSpriteAndEffectFields(*e);
    // The stored angle's vectors follow in the copy the item runs on.
    const std::unique_ptr<KQ_BaseSpriteProp> copy = e->Clone();
    const auto& cloned = static_cast<KQ_ExplosionConstructor&>(*copy);
    EXPECT_NEAR(0.707107f, cloned.noiseDirection.Direction().y, 1e-5);
  }
}

TEST(ShaderSections, WriteGivesBackTheVersionOneRecord) {
  EXPECT_EQ(DischargeRecord(1),
            Written(*ReadRecord<KQ_DischargeFXConstructor>(DischargeRecord(1))));
  EXPECT_EQ(ExplosionRecord(1), Written(*ReadRecord<KQ_ExplosionConstructor>(ExplosionRecord(1))));
}

}  // namespace
