// Grass, still pictures, flowers and discharges: sprites that stay where they are put, sway
// about their foot, or jump between the frames of their sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "items/particle.h"
#include "items/sprites/kq_discharge_constructor.h"
#include "items/sprites/kq_flower_constructor.h"
#include "items/sprites/kq_grass_constructor.h"
#include "items/sprites/kq_stat_obj_constructor.h"
#include "tests/support/item_testing.h"

namespace {

using namespace item_testing;

float Lean(float degrees) { return 1 / std::tan(degrees * D3DX_PI / 180); }

TEST(KQ_GrassConstructor, BladesStandOnTheBottomEdgeWithARandomPhaseAndMirror) {
  const PictureSize picture(1000, 500);
  KQ_GrassConstructor grass;
  grass.topFraction = 0.5f;
  grass.bottomFraction = 0.9f;
  grass.size = 60;
  const auto r = UpcomingRands(19, 6);
  Sprites sprites(grass, 2);  // 15 x 30 halves
  const Particle& blade = sprites[0];
  EXPECT_NEAR(Fraction(r[2]) * 1000, blade.position.x, 1e-3);
  EXPECT_EQ(450 - 30, blade.position.y);
  EXPECT_EQ(blade.position.x, blade.velocity.z) << "the rest x";
  EXPECT_NEAR(Fraction(r[3]) * D3DX_PI / 2, blade.velocity.y, 1e-6) << "the phase";
  EXPECT_EQ(r[4] % 2 ? -1 : 1, blade.right.x);
  EXPECT_EQ(r[5], std::rand());
}

TEST(KQ_GrassConstructor, BladesLeanInAWaveAcrossThePictureWithTheirFootAtRest) {
  const PictureSize picture(1000, 500);
  KQ_GrassConstructor grass;
  grass.count = 2;
  Sprites sprites(grass);
  for (size_t i = 0; i < 2; ++i) {
    sprites[i].velocity.y = 0.25f;  // the same phase
    sprites[i].position.x = sprites[i].velocity.z = i ? 750.0f : 250.0f;
  }
  float widest = 0;
  float t = 0;
  for (int frame = 0; frame < 200; ++frame) {
    const float before[2] = {sprites[0].position.x, sprites[1].position.x};
    sprites.Update(t += 0.05f);
    for (size_t i = 0; i < 2; ++i) {
      const Particle& blade = sprites[i];
      const float wave = grass.scaledTime + 0.25f + 2 * D3DX_PI * before[i] / 1000;
      const float lean = Lean(90 - 3 * std::sin(wave));
      ASSERT_NEAR(lean, blade.up.x, 1e-5) << "blades further right lag by 2 pi x / W";
      EXPECT_EQ(1, blade.up.y);
      EXPECT_NEAR(blade.velocity.z, blade.position.x + blade.halfHeight * blade.up.x, 1e-3)
          << "the foot stays put";
      widest = std::max(widest, std::fabs(blade.up.x));
    }
  }
  EXPECT_LE(widest, Lean(87) + 1e-6) << "at most 3 degrees either side";
  EXPECT_GT(widest, Lean(87.1f));
}

TEST(KQ_GrassConstructor, WildAmplitudesAndPicturesWithoutWidthLeaveBladesFinite) {
  for (int width : {1000, 0}) {
    const PictureSize picture(width, 500);
    KQ_GrassConstructor grass;
    grass.swayAmplitude = 120;
    Sprites sprites(grass);
    for (int frame = 1; frame <= 40; ++frame) sprites.Update(frame * 0.05f);
    EXPECT_TRUE(std::isfinite(sprites[0].up.x)) << width;
    EXPECT_TRUE(std::isfinite(sprites[0].position.x)) << width;
  }
}

// A still picture of size 100 whose image is twice as wide as high, centred on (300, 200).
KQ_StatObjConstructor Picture(unsigned int rotation) {
  KQ_StatObjConstructor picture;
  picture.size = 100;
  picture.placement.first_extra = 300;
  picture.placement.second_extra = 200;
  picture.rotation = rotation;
  return KQ_StatObjConstructor(picture);
}

TEST(KQ_StatObjConstructor, IsPlacedOnItsCentreWithThePlacementRoundIt) {
  const struct {
    unsigned int rotation;
    D3DXVECTOR3 right, up;
    int left, rightEdge, top, bottom;
  } cases[] = {{0, {1, 0, 0}, {0, 1, 0}, 250, 350, 175, 225},
               {90, {0, -1, 0}, {1, 0, 0}, 274, 325, 149, 250}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rotation);
    KQ_StatObjConstructor picture = Picture(c.rotation);
    const auto r = UpcomingRands(2, 3);
    Sprites sprites(picture, 0.5f);
    const Particle& p = sprites[0];
    EXPECT_EQ(D3DXVECTOR3(300, 200, 0), p.position);
    EXPECT_EQ(50, p.halfWidth);
    EXPECT_EQ(25, p.halfHeight);
    EXPECT_NEAR(c.right.x, p.right.x, 1e-6);
    EXPECT_NEAR(c.right.y, p.right.y, 1e-6);
    EXPECT_NEAR(c.up.x, p.up.x, 1e-6);
    EXPECT_NEAR(c.up.y, p.up.y, 1e-6);
    // Each edge is truncated toward zero, so a hair inside 275 becomes 274.
    EXPECT_NEAR(c.left, picture.placement.left.Get(), 1);
    EXPECT_NEAR(c.rightEdge, picture.placement.right.Get(), 1);
    EXPECT_NEAR(c.top, picture.placement.top.Get(), 1);
    EXPECT_NEAR(c.bottom, picture.placement.bottom.Get(), 1);
    EXPECT_EQ(r[2], std::rand()) << "placing draws nothing beyond the geometry's two";
  }
}

TEST(KQ_StatObjConstructor, StaysExactlyWhereItIs) {
  KQ_StatObjConstructor picture = Picture(30);
  Sprites sprites(picture, 0.5f);
  const Particle before = sprites[0];
  for (int frame = 1; frame <= 10; ++frame) sprites.Update(frame * 0.1f);
  EXPECT_EQ(before.position, sprites[0].position);
  EXPECT_EQ(before.up, sprites[0].up);
}

TEST(KQ_FlowerConstructor, SwaysAboutTheMiddleOfItsBottomEdge) {
  const struct {
    float amplitude;
    float widest;
  } cases[] = {{0, 0}, {1.5f, 0.0261859f}};  // tan 1.5 degrees
  for (const auto& c : cases) {
    SCOPED_TRACE(c.amplitude);
    KQ_FlowerConstructor settings;
    settings.size = 100;
    settings.placement.first_extra = 300;
    settings.placement.second_extra = 200;
    settings.swayAmplitude = c.amplitude;
    KQ_FlowerConstructor flower(settings);
    Sprites sprites(flower, 2);  // 25 x 50 halves
    const Particle& p = sprites[0];
    float widest = 0;
    for (int frame = 1; frame <= 200; ++frame) {
      sprites.Update(frame * 0.05f);
      widest = std::max(widest, std::fabs(p.up.x));
      EXPECT_NEAR(300, p.position.x + p.halfHeight * p.up.x, 1e-3);
      EXPECT_NEAR(250, p.position.y + p.halfHeight * p.up.y, 1e-3);
    }
    EXPECT_NEAR(c.widest, widest, 1e-4);
  }
}

TEST(KQ_DischargeConstructor, PicksARandomOtherFrame) {
  KQ_DischargeConstructor discharge;
  discharge.frameCount = 3;
  std::set<uint32_t> picked;
  std::srand(1);
  for (int i = 0; i < 50; ++i) {
    const uint32_t next = discharge.NextFrameIndex(1);
    EXPECT_NE(1u, next);
    EXPECT_LT(next, 3u);
    picked.insert(next);
  }
  EXPECT_EQ((std::set<uint32_t>{0, 2}), picked);
}

TEST(KQ_DischargeConstructor, DrawsUntilTheFrameDiffers) {
  KQ_DischargeConstructor discharge;
  discharge.frameCount = 4;
  const unsigned int seed = SeedWhere(
      [](const std::vector<int>& v) { return v[0] % 4 == 2 && v[1] % 4 == 2 && v[2] % 4 != 2; },
      3);
  const auto r = UpcomingRands(seed, 4);
  EXPECT_EQ(static_cast<uint32_t>(r[2] % 4), discharge.NextFrameIndex(2));
  EXPECT_EQ(r[3], std::rand());
}

TEST(KQ_DischargeConstructor, WithFewerThanTwoFramesKeepsItsFrame) {
  KQ_DischargeConstructor discharge;
  const auto r = UpcomingRands(3, 1);
  for (uint32_t frames : {0u, 1u}) {
    discharge.frameCount = frames;
    EXPECT_EQ(0u, discharge.NextFrameIndex(0)) << frames;
  }
  EXPECT_EQ(r[0], std::rand()) << "no draw, no endless loop";
}

TEST(KQ_DischargeConstructor, JumpsBetweenSheetFramesAtTheFrameRate) {
  KQ_DischargeConstructor settings;
  settings.sheetMode = true;
  settings.frameCount = 3;
  settings.frameRate = 4;
  KQ_DischargeConstructor discharge(settings);
  Sprites sprites(discharge);
  uint32_t frame = sprites.geometry.sheetFrameIndex;
  for (int step = 1; step <= 6; ++step) {
    sprites.Update(step * 0.2f);  // 0.2 scaled seconds per refill: a new frame every other one
    sprites.Quads(1);
    const uint32_t now = sprites.geometry.sheetFrameIndex;
    if (step % 2 == 0) {
      EXPECT_NE(frame, now) << step;
    } else {
      EXPECT_EQ(frame, now) << step;
    }
    frame = now;
  }
}

}  // namespace
