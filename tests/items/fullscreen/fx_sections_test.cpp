// The document sections of the full-screen effects: hand-written sections at every stored
// version, built from the stream's primitives in document order with a distinct value in each
// field, read through the class registry; and each class's Write read back unchanged.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "document/class_registry.h"
#include "document/guid_string.h"
#include "items/fullscreen/kq_background_copy.h"
#include "items/fullscreen/kq_fire_fx.h"
#include "items/fullscreen/kq_light_fx.h"
#include "items/fullscreen/kq_move_fx.h"
#include "items/fullscreen/kq_pattern_brush.h"
#include "items/fullscreen/kq_underwater_fx.h"
#include "items/fullscreen/kq_water_fx.h"
#include "items/fullscreen/kq_waves_fx.h"
#include "tests/support/section_bytes.h"

namespace {

const kq_string MaskGuid = L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}";

using testing_support::ReadAll;
using testing_support::Written;

// The "KQ_FX_Constructor" section and the item's own, as a document holds them.
void WriteBaseSections(KQ_IOF_Virtual& out, unsigned long version) {
  WriteSectionHeader(out, L"KQ_FX_Constructor", version);
  out.WriteUInt(77);  // speed
  out.WriteInt(1);    // as effect
  out.WriteString(MaskGuid);
  out.WriteString(L"mask of the brush");
  out.WriteBool(false);
  out.WriteString(L"effects.dll");
  out.WriteInt64(123);
  if (version > 1) out.WriteUInt(80);  // scale
  WriteSectionHeader(out, L"KQ_ABObj_Constructor", 1);
  out.WriteString(L"the brush");
}

// `constructedScale`: the class's own scale value, which a version-1 section keeps.
void ExpectBaseFields(const KQ_FX_Constructor& fx, unsigned long version,
                      unsigned int constructedScale = 50) {
  EXPECT_EQ(77u, fx.speed.Get());
  EXPECT_EQ(1, fx.asEffect.Get());
  GUID expected;
  ASSERT_TRUE(ParseGuidString(MaskGuid, expected));
  EXPECT_TRUE(IsEqualGUID(expected, fx.maskKey.id));
  EXPECT_EQ(L"mask of the brush", fx.maskKey.name);
  EXPECT_FALSE(fx.maskKey.flag);
  EXPECT_TRUE((FileLinkKey{L"effects.dll", 123}) == fx.effectFile.Key());
  EXPECT_EQ(version > 1 ? 80u : constructedScale, fx.scale.Get());
  EXPECT_FLOAT_EQ(0.02f * fx.scale.Get(), fx.scale.Result());
  EXPECT_EQ(L"the brush", fx.objectName);
}

void WriteLink(KQ_IOF_Virtual& out, const kq_string& path, int64_t id) {
  out.WriteString(path);
  out.WriteInt64(id);
}

struct SectionCase {
  const wchar_t* className;
  unsigned long version;
  // The class's fields after its header (and any sections between it and the base sections).
  std::function<void(KQ_IOF_Virtual&)> writeFields;
  std::function<void(const KQ_IOF_Item&)> check;
  unsigned int constructedScale = 50;
};

// A read object of the wrong class throws, which fails the test.
template <class X>
const X& As(const KQ_IOF_Item& item) {
  return dynamic_cast<const X&>(item);
}

void WritePatternFields(KQ_IOF_Virtual& out) {
  WriteLink(out, L"tiles.png", 9);
  out.WriteInt(1);     // flip vertical
  out.WriteInt(0);     // flip horizontal
  out.WriteUInt(30);   // rotation
  out.WriteUInt(250);  // pattern scale
  out.WriteUInt(10);   // offset x
  out.WriteUInt(20);   // offset y
}

void ExpectPatternFields(const KQ_PatternBrush& brush) {
  EXPECT_TRUE((FileLinkKey{L"tiles.png", 9}) == brush.patternImage.Key());
  EXPECT_EQ(1, brush.flipVertical.Get());
  EXPECT_EQ(0, brush.flipHorizontal.Get());
  EXPECT_EQ(30u, brush.rotation.Get());
  EXPECT_FLOAT_EQ(2.5f, brush.patternScale.Result());
  EXPECT_FLOAT_EQ(-0.1f, brush.offsetX.Result());
  EXPECT_FLOAT_EQ(0.2f, brush.offsetY.Result());
}

void WriteFireFields(KQ_IOF_Virtual& out) {
  for (int i = 0; i < 12; ++i) out.WriteFloat(static_cast<float>(i + 1));
  out.WriteULong(0x00102030);  // end colour
  out.WriteULong(0x00405060);  // start colour
  out.WriteInt(-4);
  WriteLink(out, L"flame.png", 3);
  WriteLink(out, L"noise.png", 4);
  out.WriteInt(-5);
  out.WriteUInt(150);  // density
  out.WriteUInt(25);   // brightness
  out.WriteUInt(50);   // pattern size
}

const SectionCase SectionCases[] = {
    {L"KQ_PatternBrush", 1, WritePatternFields,
     [](const KQ_IOF_Item& item) { ExpectPatternFields(As<KQ_PatternBrush>(item)); }},
    {L"KQ_PatternBrushC", 1,
     [](KQ_IOF_Virtual& out) {
       WriteSectionHeader(out, L"KQ_PatternBrush", 1);
       WritePatternFields(out);
     },
     [](const KQ_IOF_Item& item) { ExpectPatternFields(As<KQ_PatternBrushC>(item)); }},
    {L"KQ_BackgroundCopy", 1,
     [](KQ_IOF_Virtual& out) {
       for (int v : {1, 2, 3, 4, -64, 32}) out.WriteInt(v);
       out.WriteInt(1);  // unit shift y
       out.WriteInt(0);  // unit shift x
     },
     [](const KQ_IOF_Item& item) {
       const auto& copy = As<KQ_BackgroundCopy>(item);
       EXPECT_EQ(1, copy.copyRect.left.Get());
       EXPECT_EQ(4, copy.copyRect.bottom.Get());
       EXPECT_EQ(-64, copy.copyRect.first_extra.Get());
       EXPECT_EQ(32, copy.copyRect.second_extra.Get());
       EXPECT_EQ(1, copy.unitShiftY.Get());
       EXPECT_EQ(0, copy.unitShiftX.Get());
     }},
    {L"KQ_LightFX", 1,
     [](KQ_IOF_Virtual& out) {
       out.WriteUInt(90);
       out.WriteInt(2);
     },
     [](const KQ_IOF_Item& item) {
       const auto& light = As<KQ_LightFX>(item);
       EXPECT_FLOAT_EQ(0.9f, light.strength.Result());
       EXPECT_EQ(2, light.waveform.Get());
     }},
    {L"KQ_WavesFX", 1,
     [](KQ_IOF_Virtual& out) {
       out.WriteUInt(60);
       out.WriteUInt(70);
       out.WriteUInt(90);  // angle
       out.WriteInt(1);    // parallel normal
     },
     [](const KQ_IOF_Item& item) {
       const auto& waves = As<KQ_WavesFX>(item);
       EXPECT_FLOAT_EQ(0.015f, waves.amplitude.Result());
       EXPECT_FLOAT_EQ(0.036f, waves.frequency.Result());
       EXPECT_EQ(90u, waves.angle.Get());
       EXPECT_EQ(1, waves.parallelNormal.Get());
     }},
    {L"KQ_MoveFX", 1,
     [](KQ_IOF_Virtual& out) {
       out.WriteInt(1);  // motion
       WriteSectionHeader(out, L"KQ_DirectionBased", 1);
       out.WriteUInt(100);  // magnitude
       out.WriteUInt(45);   // angle
     },
     [](const KQ_IOF_Item& item) {
       const auto& move = As<KQ_MoveFX>(item);
       EXPECT_EQ(1, move.motion.Get());
       EXPECT_FLOAT_EQ(0.02f, move.magnitude.Result());
       EXPECT_EQ(45u, move.angle.Get());
     }},
    {L"KQ_WaterFX", 1,
     [](KQ_IOF_Virtual& out) {
       for (unsigned v : {30u, 40u, 50u, 60u}) out.WriteUInt(v);
       out.WriteUInt(135);  // angle
       out.WriteUInt(70);   // shadows
       out.WriteUInt(80);   // half vector z
       out.WriteULong(0x00336699);
       WriteLink(out, L"ripples.png", 2);
     },
     [](const KQ_IOF_Item& item) {
       const auto& water = As<KQ_WaterFX>(item);
       EXPECT_FLOAT_EQ(0.003f, water.profile.Result());
       EXPECT_FLOAT_EQ(0.04f, water.bumpStrength.Result());
       EXPECT_FLOAT_EQ(0.0125f, water.flowLength.Result());
       EXPECT_FLOAT_EQ(0.031f, water.flowPeriod.Result());
       EXPECT_EQ(135u, water.angle.Get());
       EXPECT_FLOAT_EQ(0.7f, water.shadows.Result());
       EXPECT_FLOAT_EQ(8.0f, water.halfVectorZ.Result());
       EXPECT_EQ(0x00336699u, water.tint.Get());
       EXPECT_TRUE((FileLinkKey{L"ripples.png", 2}) == water.bumpImage.Key());
     },
     30},
    {L"KQ_FireFX", 2, WriteFireFields,
     [](const KQ_IOF_Item& item) {
       const auto& fire = As<KQ_FireFX>(item);
       EXPECT_EQ(D3DXVECTOR3(1, 2, 3), fire.corners.corners[0].Get());
       EXPECT_EQ(D3DXVECTOR3(10, 11, 12), fire.corners.corners[3].Get());
       EXPECT_EQ(0x00102030u, fire.endColor.Get());
       EXPECT_EQ(0x00405060u, fire.startColor.Get());
       EXPECT_EQ(-4, fire.auxInt1.Get());
       EXPECT_TRUE((FileLinkKey{L"flame.png", 3}) == fire.patternImage.Key());
       EXPECT_TRUE((FileLinkKey{L"noise.png", 4}) == fire.noiseImage.Key());
       EXPECT_EQ(-5, fire.auxInt2.Get());
       EXPECT_FLOAT_EQ(0.5f, fire.density.Result());
       EXPECT_FLOAT_EQ(0.5f, fire.brightness.Result());
       EXPECT_FLOAT_EQ(0.5f, fire.patternSize.Result());
     }},
    // A version-1 fire holds no fields of its own: every one keeps its default.
    {L"KQ_FireFX", 1, nullptr,
     [](const KQ_IOF_Item& item) {
       const auto& fire = As<KQ_FireFX>(item);
       EXPECT_EQ(D3DXVECTOR3(0, 0, 0), fire.corners.corners[3].Get());
       EXPECT_EQ(0x0000FFFFu, fire.endColor.Get());
       EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 93}) == fire.patternImage.Key());
       EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 8}) == fire.noiseImage.Key());
       EXPECT_FLOAT_EQ(0.3f, fire.brightness.Result());
     }},
};

TEST(FullScreenSections, EveryClassReadsItsFieldsAndBothBaseVersions) {
  for (const SectionCase& c : SectionCases) {
    for (unsigned long baseVersion : {1ul, 2ul}) {
      SCOPED_TRACE(testing::Message() << std::string(c.className, c.className + wcslen(c.className))
                                      << " " << c.version << ", base " << baseVersion);
      const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) {
        WriteSectionHeader(out, c.className, c.version);
        if (c.writeFields) c.writeFields(out);
        WriteBaseSections(out, baseVersion);
      });
      const std::unique_ptr<KQ_IOF_Item> item =
          ReadAll(bytes, [](KQ_IOF_Virtual& in) { return ReadObjectByClassName(in); });
      ASSERT_NE(nullptr, item);
      c.check(*item);
      ExpectBaseFields(As<KQ_FX_Constructor>(*item), baseVersion, c.constructedScale);
    }
  }
}

TEST(FullScreenSections, TheEmbeddedRippleReadsItsWholeSectionButIsNoItem) {
  EXPECT_EQ(0u, IOF_Virtual_Reader::GetReaderRegistry().count(L"KQ_UnderwaterFX"));
  const std::vector<uint8_t> bytes = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_UnderwaterFX", 1);
    out.WriteUInt(80);
    out.WriteUInt(20);
    WriteBaseSections(out, 2);
  });
  const std::unique_ptr<KQ_UnderwaterFX> ripple = ReadAll(bytes, ReadUnderwaterFX);
  EXPECT_FLOAT_EQ(0.01f, ripple->amplitude.Result());
  EXPECT_FLOAT_EQ(0.041f, ripple->frequency.Result());
  // A stored speed replaces the value only: the scale stays the class's own.
  EXPECT_FLOAT_EQ(77.0f, ripple->speed.Result());
  ExpectBaseFields(*ripple, 2);
}

TEST(FullScreenSections, TheFlameLightsReaderTakesAWholeFireSection) {
  const std::vector<uint8_t> bytes = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_FireFX", 2);
    WriteFireFields(out);
    WriteBaseSections(out, 2);
  });
  const std::unique_ptr<KQ_FireFX> fire = ReadAll(bytes, ReadFireFX);
  EXPECT_FLOAT_EQ(0.5f, fire->patternSize.Result());
  EXPECT_FLOAT_EQ(77 * 0.02f, fire->speed.Result());
  ExpectBaseFields(*fire, 2);
}

// Angles are stored quietly: the object read keeps its constructed direction, the copy that the
// run-time object uses has the stored angle's.
TEST(FullScreenSections, OnlyCopiesTurnToAStoredAngle) {
  const std::vector<uint8_t> waves = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_WavesFX", 1);
    out.WriteUInt(50);
    out.WriteUInt(50);
    out.WriteUInt(90);
    out.WriteInt(0);
    WriteBaseSections(out, 2);
  });
  const std::vector<uint8_t> water = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_WaterFX", 1);
    for (int i = 0; i < 4; ++i) out.WriteUInt(20);
    out.WriteUInt(90);
    out.WriteUInt(0);
    out.WriteUInt(0);
    out.WriteULong(0xFFFFFF);
    WriteLink(out, L"tessaly.dll", 89);
    WriteBaseSections(out, 2);
  });
  const std::vector<uint8_t> move = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_MoveFX", 1);
    out.WriteInt(0);
    WriteSectionHeader(out, L"KQ_DirectionBased", 1);
    out.WriteUInt(50);
    out.WriteUInt(90);
    WriteBaseSections(out, 2);
  });
  struct Case {
    const char* what;
    const std::vector<uint8_t>& bytes;
    std::function<D3DXVECTOR4(const KQ_IOF_Item&)> direction;
    D3DXVECTOR4 asConstructed, asStored;
  } cases[] = {
      {"waves", waves, [](const KQ_IOF_Item& i) { return As<KQ_WavesFX>(i).direction; },
       {1, 0, 0, 0}, {0, -1, 0, 0}},
      {"water", water, [](const KQ_IOF_Item& i) { return As<KQ_WaterFX>(i).direction; },
       {0.766044f, 0.642788f, 0, 0}, {0, 1, 0, 0}},
      {"move", move, [](const KQ_IOF_Item& i) { return As<KQ_MoveFX>(i).direction; },
       {1, 0, 0, 0}, {0, -1, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::unique_ptr<KQ_IOF_Item> read =
        ReadAll(c.bytes, [](KQ_IOF_Virtual& in) { return ReadObjectByClassName(in); });
    ASSERT_NE(nullptr, read);
    const std::unique_ptr<KQ_FX_Constructor> copy = As<KQ_FX_Constructor>(*read).Clone();
    for (int axis = 0; axis < 2; ++axis) {
      EXPECT_NEAR(c.asConstructed[axis], c.direction(*read)[axis], 1e-5f) << axis;
      EXPECT_NEAR(c.asStored[axis], c.direction(*copy)[axis], 1e-5f) << axis;
    }
  }
}

// What each class writes, it reads back as the same settings, which write the same bytes again.
TEST(FullScreenSections, WhatEachClassWritesReadsBackUnchanged) {
  const std::function<std::unique_ptr<KQ_FX_Constructor>()> makers[] = {
      [] {
        auto brush = std::make_unique<KQ_PatternBrush>();
        brush->patternImage.Store({L"tessaly.dll", 31});
        brush->rotation = 45;
        brush->offsetY.Set(7);
        return brush;
      },
      [] {
        auto brush = std::make_unique<KQ_PatternBrushC>();
        brush->flipHorizontal = 1;
        brush->patternScale.Set(30);
        return brush;
      },
      [] {
        auto copy = std::make_unique<KQ_BackgroundCopy>();
        copy->copyRect.first_extra = -12;
        copy->unitShiftX = 1;
        copy->asEffect = 1;
        return copy;
      },
      [] {
        auto light = std::make_unique<KQ_LightFX>();
        light->waveform = 1;
        light->scale.Set(75);
        return light;
      },
      [] {
        auto waves = std::make_unique<KQ_WavesFX>();
        waves->angle.Set(200);
        waves->parallelNormal.Set(1);
        return waves;
      },
      [] {
        auto move = std::make_unique<KQ_MoveFX>();
        move->angle.Set(10);
        move->motion = 1;
        return move;
      },
      [] {
        auto water = std::make_unique<KQ_WaterFX>();
        water->tint = 0x00AABBCC;
        water->profile.Set(99);
        return water;
      },
      [] {
        auto fire = std::make_unique<KQ_FireFX>();
        fire->corners.corners[2] = D3DXVECTOR3(5, 6, 7);
        fire->density.Set(140);
        fire->objectName = L"hearth";
        return fire;
      },
  };
  for (const auto& make : makers) {
    const std::unique_ptr<KQ_FX_Constructor> original = make();
    const std::vector<uint8_t> bytes =
        Written([&](KQ_IOF_Virtual& out) { original->Write(out); });
    const std::unique_ptr<KQ_IOF_Item> read =
        ReadAll(bytes, [](KQ_IOF_Virtual& in) { return ReadObjectByClassName(in); });
    ASSERT_NE(nullptr, read);
    EXPECT_EQ(typeid(*original), typeid(*read));
    EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { read->Write(out); }));
  }
}

TEST(FullScreenSections, TheEmbeddedEffectsWriteWhatTheirReadersTake) {
  KQ_UnderwaterFX ripple;
  ripple.amplitude.Set(11);
  const std::vector<uint8_t> rippleBytes = Written([&](KQ_IOF_Virtual& out) { ripple.Write(out); });
  EXPECT_FLOAT_EQ(ripple.amplitude.Result(), ReadAll(rippleBytes, ReadUnderwaterFX)->amplitude.Result());

  KQ_FireFX fire;
  fire.brightness.Set(33);
  const std::vector<uint8_t> fireBytes = Written([&](KQ_IOF_Virtual& out) { fire.Write(out); });
  EXPECT_FLOAT_EQ(fire.brightness.Result(), ReadAll(fireBytes, ReadFireFX)->brightness.Result());
}

}  // namespace
