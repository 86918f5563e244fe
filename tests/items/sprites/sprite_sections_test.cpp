// Every sprite class reads a fixture of each of its stored versions, and its writer gives the
// current layout, which reads back to the same object.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "items/sprites/kq_bird_constructor.h"
#include "items/sprites/kq_discharge_constructor.h"
#include "items/sprites/kq_fish_constructor.h"
#include "items/sprites/kq_flow_constructor.h"
#include "items/sprites/kq_flower_constructor.h"
#include "items/sprites/kq_fog_constructor.h"
#include "items/sprites/kq_ghost_constructor.h"
#include "items/sprites/kq_god_ray_constructor.h"
#include "items/sprites/kq_grass_constructor.h"
#include "items/sprites/kq_lighting_constructor.h"
#include "items/sprites/kq_rain_constructor.h"
#include "items/sprites/kq_sparkle_constructor.h"
#include "items/sprites/kq_stat_obj_constructor.h"
#include "tests/support/item_testing.h"
#include "tests/support/section_fixtures.h"

namespace {

using namespace item_testing;

// The sprite properties that close every fixture: the current version, with its own values.
void WriteSprite(KQ_IOF_W& w) { WriteSpritePropSection(w, 6, SpritePropFields()); }

void ExpectSpriteRead(const KQ_BaseSpriteProp& sprite) {
  const SpritePropFields f;
  EXPECT_EQ(f.count, sprite.count.Get());
  EXPECT_EQ(f.view.objectName, sprite.objectName);
}

// Own section of the flow: angle 30, wobble 4 and 8, flow speed 150.5, then the mode.
void WriteFlowSection(KQ_IOF_W& w, unsigned long version, int mode) {
  WriteSectionHeader(w, L"KQ_FlowConstructor", version);
  w.WriteUInt(30);
  w.WriteUInt(4);
  w.WriteUInt(8);
  w.WriteFloat(150.5f);
  if (version >= 2) w.WriteInt(mode);
  WriteSprite(w);
}

// Own section of the still picture: placement 250, 350, 175, 225 round (300, 200), turned by 45.
void WriteStatObjSection(KQ_IOF_W& w, unsigned long version) {
  WriteSectionHeader(w, L"KQ_StatObjConstructor", version);
  for (int value : {250, 350, 175, 225, 300, 200}) w.WriteInt(value);
  w.WriteUInt(45);
  if (version <= 1) {
    w.WriteInt(1);  // flip vertical
    w.WriteInt(0);  // mirror
  }
  if (version <= 1) {
    // A version 1 picture went with sprite properties that had no flip flags of their own.
    WriteSpritePropSection(w, 4, SpritePropFields());
  } else {
    WriteSprite(w);
  }
}

void ExpectStatObj(const KQ_StatObjConstructor& picture, unsigned long version) {
  EXPECT_EQ(250, picture.placement.left.Get());
  EXPECT_EQ(225, picture.placement.bottom.Get());
  EXPECT_EQ(300, picture.CentreX());
  EXPECT_EQ(200, picture.CentreY());
  EXPECT_EQ(45u, picture.rotation.Get());
  // Version 1 keeps its own flags; later ones take the sprite properties' (both 1).
  EXPECT_EQ(1, picture.flipVertical.Get());
  EXPECT_EQ(version <= 1 ? 0 : 1, picture.mirror.Get());
  ExpectSpriteRead(picture);
}

struct SectionCase {
  std::string label;
  bool currentVersion;  // the writer gives the fixture back byte for byte
  std::function<void(KQ_IOF_W&)> fixture;
  std::function<std::unique_ptr<KQ_IOF_Item>(const Bytes&)> read;
  std::function<void(const KQ_IOF_Item&)> check;
};

template <class T>
SectionCase Case(std::string label, bool current, std::function<void(KQ_IOF_W&)> fixture,
                 std::function<void(const T&)> check) {
  return {std::move(label), current, std::move(fixture),
          [](const Bytes& bytes) -> std::unique_ptr<KQ_IOF_Item> { return ReadRecord<T>(bytes); },
          [check](const KQ_IOF_Item& item) { check(dynamic_cast<const T&>(item)); }};
}

std::vector<SectionCase> Cases() {
  return {
      Case<KQ_GodRayConstructor>(
          "god ray", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_GodRayConstructor", 1);
            w.WriteUInt(135);
            WriteSprite(w);
          },
          [](const KQ_GodRayConstructor& ray) {
            EXPECT_EQ(135u, ray.angle.Get());
            ExpectSpriteRead(ray);
          }),
      Case<KQ_SparkleConstructor>(
          "sparkle", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_SparkleConstructor", 1);
            WriteSprite(w);
          },
          [](const KQ_SparkleConstructor& sparkle) { ExpectSpriteRead(sparkle); }),
      Case<KQ_FogConstructor>(
          "fog", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_FogConstructor", 1);
            w.WriteFloat(12.5f);
            w.WriteFloat(7.25f);
            WriteSprite(w);
          },
          [](const KQ_FogConstructor& fog) {
            EXPECT_EQ(12.5f, fog.speedX);
            EXPECT_EQ(7.25f, fog.speedY);
            ExpectSpriteRead(fog);
          }),
      Case<KQ_LightingConstructor>(
          "lightning", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_LightingConstructor", 1);
            WriteSprite(w);
          },
          [](const KQ_LightingConstructor& lightning) { ExpectSpriteRead(lightning); }),
      Case<KQ_FlowConstructor>(
          "flow version 1: upright", false, [](KQ_IOF_W& w) { WriteFlowSection(w, 1, 0); },
          [](const KQ_FlowConstructor& flow) {
            EXPECT_EQ(30u, flow.angle.Get());
            EXPECT_EQ(12.0f, flow.wobbleAmplitude.Result()) << "3 x the stored 4";
            EXPECT_EQ(2.0f, flow.wobbleRate.Result()) << "0.25 x the stored 8";
            EXPECT_EQ(150.5f, flow.flowSpeed);
            EXPECT_EQ(KQ_FlowConstructor::Upright, flow.orientationMode.Get());
            ExpectSpriteRead(flow);
          }),
      Case<KQ_FlowConstructor>(
          "flow version 2: a set flag turns the sprites", false,
          [](KQ_IOF_W& w) { WriteFlowSection(w, 2, 5); },
          [](const KQ_FlowConstructor& flow) {
            EXPECT_EQ(KQ_FlowConstructor::TurnedToFlow, flow.orientationMode.Get());
          }),
      Case<KQ_FlowConstructor>(
          "flow version 2: a clear flag keeps them upright", false,
          [](KQ_IOF_W& w) { WriteFlowSection(w, 2, 0); },
          [](const KQ_FlowConstructor& flow) {
            EXPECT_EQ(KQ_FlowConstructor::Upright, flow.orientationMode.Get());
          }),
      Case<KQ_FlowConstructor>(
          "flow version 3", true, [](KQ_IOF_W& w) { WriteFlowSection(w, 3, 3); },
          [](const KQ_FlowConstructor& flow) {
            EXPECT_EQ(KQ_FlowConstructor::FacingUpOrDown, flow.orientationMode.Get());
            ExpectSpriteRead(flow);
          }),
      Case<KQ_RainConstructor>(
          "rain over a version 3 flow", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_RainConstructor", 1);
            WriteFlowSection(w, 3, 2);
          },
          [](const KQ_RainConstructor& rain) {
            EXPECT_EQ(30u, rain.angle.Get());
            EXPECT_EQ(KQ_FlowConstructor::FacingSideways, rain.orientationMode.Get());
            ExpectSpriteRead(rain);
          }),
      Case<KQ_RainConstructor>(
          "rain over a version 1 flow keeps rain's turned streaks", false,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_RainConstructor", 1);
            WriteFlowSection(w, 1, 0);
          },
          [](const KQ_RainConstructor& rain) {
            EXPECT_EQ(150.5f, rain.flowSpeed);
            EXPECT_EQ(KQ_FlowConstructor::TurnedToFlow, rain.orientationMode.Get());
          }),
      Case<KQ_FishConstructor>(
          "fish", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_FishConstructor", 1);
            w.WriteFloat(120);
            w.WriteFloat(35);
            WriteSprite(w);
          },
          [](const KQ_FishConstructor& fish) {
            EXPECT_EQ(120.0f, fish.speedX);
            EXPECT_EQ(35.0f, fish.speedY);
            ExpectSpriteRead(fish);
          }),
      Case<KQ_BirdConstructor>(
          "bird", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_BirdConstructor", 1);
            WriteSectionHeader(w, L"KQ_FishConstructor", 1);
            w.WriteFloat(120);
            w.WriteFloat(35);
            WriteSprite(w);
          },
          [](const KQ_BirdConstructor& bird) {
            EXPECT_EQ(120.0f, bird.speedX);
            EXPECT_EQ(35.0f, bird.speedY);
            ExpectSpriteRead(bird);
          }),
      Case<KQ_GhostConstructor>(
          "ghost", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_GhostConstructor", 1);
            WriteSectionHeader(w, L"KQ_FishConstructor", 1);
            w.WriteFloat(20);
            w.WriteFloat(10);
            WriteSprite(w);
          },
          [](const KQ_GhostConstructor& ghost) {
            EXPECT_EQ(20.0f, ghost.speedX);
            EXPECT_EQ(10.0f, ghost.speedY);
            EXPECT_EQ(SpritePropFields().fadeSpeed, ghost.fadeSpeed) << "stored over the default";
          }),
      Case<KQ_GrassConstructor>(
          "grass", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_GrassConstructor", 1);
            w.WriteFloat(4.5f);
            WriteSprite(w);
          },
          [](const KQ_GrassConstructor& grass) {
            EXPECT_EQ(4.5f, grass.swayAmplitude);
            ExpectSpriteRead(grass);
          }),
      Case<KQ_StatObjConstructor>(
          "still picture version 1", false, [](KQ_IOF_W& w) { WriteStatObjSection(w, 1); },
          [](const KQ_StatObjConstructor& picture) { ExpectStatObj(picture, 1); }),
      Case<KQ_StatObjConstructor>(
          "still picture version 2", true, [](KQ_IOF_W& w) { WriteStatObjSection(w, 2); },
          [](const KQ_StatObjConstructor& picture) { ExpectStatObj(picture, 2); }),
      Case<KQ_FlowerConstructor>(
          "flower over a version 1 picture", false,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_FlowerConstructor", 1);
            w.WriteFloat(2.5f);
            WriteStatObjSection(w, 1);
          },
          [](const KQ_FlowerConstructor& flower) {
            EXPECT_EQ(2.5f, flower.swayAmplitude);
            ExpectStatObj(flower, 1);
          }),
      Case<KQ_FlowerConstructor>(
          "flower over a version 2 picture", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_FlowerConstructor", 1);
            w.WriteFloat(2.5f);
            WriteStatObjSection(w, 2);
          },
          [](const KQ_FlowerConstructor& flower) {
            EXPECT_EQ(2.5f, flower.swayAmplitude);
            ExpectStatObj(flower, 2);
          }),
      Case<KQ_DischargeConstructor>(
          "discharge over a version 1 picture", false,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_DischargeConstructor", 1);
            WriteStatObjSection(w, 1);
          },
          [](const KQ_DischargeConstructor& discharge) { ExpectStatObj(discharge, 1); }),
      Case<KQ_DischargeConstructor>(
          "discharge over a version 2 picture", true,
          [](KQ_IOF_W& w) {
            WriteSectionHeader(w, L"KQ_DischargeConstructor", 1);
            WriteStatObjSection(w, 2);
          },
          [](const KQ_DischargeConstructor& discharge) { ExpectStatObj(discharge, 2); }),
  };
}

TEST(SpriteSections, EveryClassReadsEachStoredVersionAndWritesItBack) {
  for (const SectionCase& c : Cases()) {
    SCOPED_TRACE(c.label);
    KQ_IOF_W fixture;
    c.fixture(fixture);
    const std::unique_ptr<KQ_IOF_Item> item = c.read(fixture.Bytes());
    ASSERT_NE(nullptr, item);
    c.check(*item);

    const Bytes written = Written(*item);
    if (c.currentVersion) {
      EXPECT_EQ(fixture.Bytes(), written);
    }
    const std::unique_ptr<KQ_IOF_Item> reread = c.read(written);
    ASSERT_NE(nullptr, reread);
    c.check(*reread);
    EXPECT_EQ(written, Written(*reread));
  }
}

TEST(SpriteSections, ThirteenClassesAreRegisteredUnderTheirNames) {
  const ClassRegistry& registry = IOF_Virtual_Reader::GetReaderRegistry();
  for (const wchar_t* name :
       {L"KQ_GodRayConstructor", L"KQ_SparkleConstructor", L"KQ_FlowConstructor",
        L"KQ_FishConstructor", L"KQ_GhostConstructor", L"KQ_FogConstructor",
        L"KQ_LightingConstructor", L"KQ_GrassConstructor", L"KQ_RainConstructor",
        L"KQ_StatObjConstructor", L"KQ_FlowerConstructor", L"KQ_BirdConstructor",
        L"KQ_DischargeConstructor"})
    EXPECT_EQ(1u, registry.count(name)) << std::string(name, name + wcslen(name));
}

}  // namespace
