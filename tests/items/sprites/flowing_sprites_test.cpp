// Flowing sprites and rain: the flow direction and its speed by size, wrap-around in an area
// spanning the picture and bounces in a smaller one, the orientation modes and the wobble.
// Tests move a copy of the settings, as a run-time item does: the copy derives the direction
// from its own angle and flow speed.
#include <gtest/gtest.h>

#include <cmath>

#include "items/particle.h"
#include "items/sprites/kq_flow_constructor.h"
#include "items/sprites/kq_rain_constructor.h"
#include "tests/support/item_testing.h"

namespace {

using namespace item_testing;

KQ_FlowConstructor Flow(unsigned int angle, float speed, int mode = KQ_FlowConstructor::Upright) {
  KQ_FlowConstructor flow;
  flow.angle = angle;
  flow.flowSpeed = speed;
  flow.orientationMode = mode;
  flow.size = 20;
  return KQ_FlowConstructor(flow);
}

// One sprite 20 x 20 at size factor 1, placed at (x, y) with no wobble.
Particle& Place(Sprites& sprites, float x, float y) {
  Particle& p = sprites[0];
  p.position = D3DXVECTOR3(x, y, 0);
  p.sizeFactor = 1;
  p.velocity.z = 0;
  return p;
}

TEST(KQ_FlowConstructor, FlowsAlongItsAngleAtItsSpeedTimesTheSizeFactor) {
  const PictureSize picture(1000, 500);
  const struct {
    unsigned int angle;
    float sizeFactor;
    float dx, dy;
  } cases[] = {{0, 1, 10, 0}, {90, 1, 0, -10}, {180, 1, -10, 0},
               {270, 1, 0, 10}, {0, 0.5f, 5, 0}, {45, 1, 7.0711f, -7.0711f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle << ", factor " << c.sizeFactor);
    KQ_FlowConstructor flow = Flow(c.angle, 100);
    Sprites sprites(flow);
    Particle& p = Place(sprites, 500, 250);
    p.sizeFactor = c.sizeFactor;
    sprites.Update(0.1f);
    EXPECT_NEAR(500 + c.dx, p.position.x, 1e-3);
    EXPECT_NEAR(250 + c.dy, p.position.y, 1e-3);
  }
}

TEST(KQ_FlowConstructor, SpawnsWithWobbleThenPlace) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor flow = Flow(0, 100);
  const auto r = UpcomingRands(6, 6);
  Sprites sprites(flow);
  const Particle& p = sprites[0];
  EXPECT_NEAR(Fraction(r[2]) * 2 - 1, p.velocity.z, 1e-6);
  EXPECT_NEAR(Fraction(r[3]) * 1000, p.position.x, 1e-3);
  EXPECT_NEAR(Fraction(r[4]) * 500, p.position.y, 1e-3);
  EXPECT_EQ(1, p.alpha);
  EXPECT_EQ(r[5], std::rand());
}

TEST(KQ_FlowConstructor, LeavingAWholePictureAreaComesBackAtTheOtherSide) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor flow = Flow(0, 100);
  Sprites sprites(flow);
  Particle& p = Place(sprites, 1009, 250);
  const auto r = UpcomingRands(2, 2);
  sprites.Update(0.1f);  // to 1019: the whole sprite is past the right edge
  EXPECT_FLOAT_EQ(1019 - 1000 - 20, p.position.x) << "back by the width plus its own width";
  EXPECT_NEAR(Fraction(r[0]) * 500, p.position.y, 1e-3) << "at a random height";
  EXPECT_EQ(r[1], std::rand());
}

TEST(KQ_FlowConstructor, LeavingAtTheBottomComesBackAtTheTopAtARandomX) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor flow = Flow(270, 100);
  Sprites sprites(flow);
  Particle& p = Place(sprites, 300, 505);
  const auto r = UpcomingRands(12, 1);
  sprites.Update(0.1f);  // to 515
  EXPECT_FLOAT_EQ(515 - 500 - 20, p.position.y);
  EXPECT_NEAR(Fraction(r[0]) * 1000, p.position.x, 1e-3);
}

TEST(KQ_FlowConstructor, InASmallerAreaASpriteBouncesOffTheEdge) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor settings;
  settings.rightFraction = 0.5f;
  settings.flowSpeed = 100;
  settings.size = 20;
  KQ_FlowConstructor flow(settings);
  Sprites sprites(flow);
  Particle& p = Place(sprites, 485, 250);
  sprites.Update(0.1f);  // to 495: its right edge passed 500
  EXPECT_EQ(500 - 10 - 1, p.position.x) << "held at R - hw - 1";
  EXPECT_EQ(-200, p.drift.x);
  sprites.Update(0.2f);
  EXPECT_FLOAT_EQ(489 - 10, p.position.x) << "and flows back";
  EXPECT_EQ(-200, p.drift.x) << "the drift stays while it mirrors the velocity";
}

TEST(KQ_FlowConstructor, ANewWobbleDropsTheBounceAndTheSpriteResumesTheFlow) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor settings;
  settings.rightFraction = 0.5f;
  settings.angle = 30;  // the sideways wobble then changes the horizontal speed too
  settings.flowSpeed = 100;
  settings.wobbleAmplitude.Set(10);
  settings.size = 20;
  KQ_FlowConstructor flow(settings);
  Sprites sprites(flow);
  Particle& p = Place(sprites, 485, 250);
  sprites.Update(0.1f);
  EXPECT_EQ(489, p.position.x);
  sprites.Update(0.2f);
  EXPECT_LT(p.position.x, 489) << "bounced";
  p.velocity.z = 0.5f;
  sprites.Update(0.3f);
  EXPECT_EQ(0, p.drift.x);
  const float x = p.position.x;
  sprites.Update(0.4f);
  EXPECT_GT(p.position.x, x) << "towards the edge again";
}

TEST(KQ_FlowConstructor, BouncesOffTheTopOfASmallerArea) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor settings;
  settings.topFraction = 0.5f;
  settings.angle = 90;
  settings.flowSpeed = 100;
  settings.size = 20;
  KQ_FlowConstructor flow(settings);
  Sprites sprites(flow);
  Particle& p = Place(sprites, 100, 262);
  sprites.Update(0.1f);  // to 252: its top edge passed 250
  EXPECT_EQ(250 + 10 + 1, p.position.y);
  EXPECT_FLOAT_EQ(200, p.drift.y);
}

TEST(KQ_FlowConstructor, OrientationModesSetTheAxes) {
  const PictureSize picture(1000, 500);
  const struct {
    const char* label;
    unsigned int angle;
    int mode;
    D3DXVECTOR3 right, up;
  } cases[] = {
      {"upright", 90, KQ_FlowConstructor::Upright, {1, 0, 0}, {0, 1, 0}},
      {"turned to an upward flow", 90, KQ_FlowConstructor::TurnedToFlow, {0, -1, 0}, {1, 0, 0}},
      {"facing a leftward motion", 180, KQ_FlowConstructor::FacingSideways, {-1, 0, 0}, {0, 1, 0}},
      {"facing a rightward motion", 0, KQ_FlowConstructor::FacingSideways, {1, 0, 0}, {0, 1, 0}},
      {"facing an upward motion", 90, KQ_FlowConstructor::FacingUpOrDown, {1, 0, 0}, {0, -1, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    KQ_FlowConstructor flow = Flow(c.angle, 100, c.mode);
    Sprites sprites(flow);
    Particle& p = Place(sprites, 500, 250);
    sprites.Update(0.1f);
    EXPECT_NEAR(c.right.x, p.right.x, 1e-6);
    EXPECT_NEAR(c.right.y, p.right.y, 1e-6);
    EXPECT_NEAR(c.up.x, p.up.x, 1e-6);
    EXPECT_NEAR(c.up.y, p.up.y, 1e-6);
  }
}

TEST(KQ_FlowConstructor, WithoutAWobbleRateTheWobbleNeverChanges) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor flow = Flow(0, 0);  // standing still: no wrap-around draws either
  Sprites sprites(flow);
  const float wobble = sprites[0].velocity.z;
  const auto r = UpcomingRands(30, 1);
  for (int i = 1; i <= 100; ++i) sprites.Update(i * 0.2f);
  EXPECT_EQ(wobble, sprites[0].velocity.z);
  EXPECT_EQ(r[0], std::rand()) << "no draws at all";
}

TEST(KQ_FlowConstructor, TheWobbleChangesAtItsRateOnAnOddDraw) {
  const PictureSize picture(1000, 500);
  KQ_FlowConstructor settings;
  settings.wobbleRate.Set(8);  // 2 changes per second
  settings.wobbleAmplitude.Set(10);  // 30 pixels per second sideways at wobble 1
  KQ_FlowConstructor flow(settings);
  Sprites sprites(flow);
  Particle& p = Place(sprites, 500, 250);
  p.velocity.z = 1;
  const unsigned int seed = SeedWhere([](const std::vector<int>& v) { return v[0] % 2; });
  const auto r = UpcomingRands(seed, 3);
  sprites.Update(0.25f);
  sprites.Update(0.5f);
  EXPECT_EQ(1, p.velocity.z) << "not past half a second yet";
  EXPECT_NEAR(250 + 30 * 0.4f, p.position.y, 1e-3) << "angle 0: the wobble moves it down";
  sprites.Update(0.75f);
  EXPECT_NEAR(Fraction(r[1]) * 2 - 1, p.velocity.z, 1e-6);
  EXPECT_EQ(r[2], std::rand());
}

TEST(KQ_RainConstructor, StreaksFallStraightDownUprightAtAThousandToTwoThousand) {
  const PictureSize picture(1000, 500);
  const KQ_RainConstructor settings;
  KQ_RainConstructor rain(settings);
  rain.count = 50;
  Sprites sprites(rain);
  for (size_t i = 0; i < sprites.size(); ++i) {
    Particle& p = sprites[i];
    EXPECT_NEAR(1, p.right.x, 1e-6);
    EXPECT_NEAR(0, p.right.y, 1e-6);
    EXPECT_NEAR(0, p.up.x, 1e-6);
    EXPECT_NEAR(1, p.up.y, 1e-6);
    EXPECT_GE(p.sizeFactor, 0.5f);
    EXPECT_LE(p.sizeFactor, 1);
  }
  Particle& p = Place(sprites, 500, 100);
  p.sizeFactor = 0.75f;
  p.alphaVelocity = 0;
  sprites.Update(0.05f);
  EXPECT_NEAR(500, p.position.x, 1e-3);
  EXPECT_NEAR(100 + 1500 * 0.05f, p.position.y, 1e-2);
}

TEST(KQ_RainConstructor, SpawnsWithARandomAlphaAfterTheFlowsDraws) {
  const PictureSize picture(1000, 500);
  const KQ_RainConstructor settings;
  KQ_RainConstructor rain(settings);
  const auto r = UpcomingRands(40, 7);
  Sprites sprites(rain);
  EXPECT_NEAR(Fraction(r[5]), sprites[0].alpha, 1e-6);
  EXPECT_EQ(r[6], std::rand());
}

TEST(KQ_RainConstructor, AStreakThatFadesOutIsBornAgain) {
  const PictureSize picture(1000, 500);
  KQ_RainConstructor settings;
  settings.minAlpha = 0.3f;
  KQ_RainConstructor rain(settings);
  Sprites sprites(rain);
  Particle& p = Place(sprites, 500, 100);
  p.alpha = 0.31f;
  p.alphaVelocity = -1;
  const auto r = UpcomingRands(41, 5);
  sprites.Update(0.05f);
  EXPECT_NEAR(Fraction(r[1]) * 1000, p.position.x, 1e-3) << "a new place";
  EXPECT_EQ(0.3f, p.alpha);
  EXPECT_EQ(r[4], std::rand());
}

}  // namespace
