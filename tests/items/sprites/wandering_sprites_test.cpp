// Fish, birds and ghosts: random speeds, facing the way they swim, turning only once out of the
// area sideways, bouncing off its top and bottom at once, and a possible new course once per
// second of application time.
#include <gtest/gtest.h>

#include <cmath>

#include "items/particle.h"
#include "items/sprites/kq_bird_constructor.h"
#include "items/sprites/kq_fish_constructor.h"
#include "items/sprites/kq_ghost_constructor.h"
#include "tests/support/item_testing.h"

namespace {

using namespace item_testing;

TEST(KQ_FishConstructor, SpawnsWithItsDrawsInOrderAndFacesItsWay) {
  const PictureSize picture(1000, 500);
  KQ_FishConstructor fish;
  fish.count = 40;
  fish.size = 30;
  const auto r = UpcomingRands(14, 6);
  Sprites sprites(fish);
  const Particle& first = sprites[0];
  EXPECT_NEAR(-80 + Fraction(r[2]) * 160, first.velocity.x, 1e-4);
  EXPECT_NEAR(-50 + Fraction(r[3]) * 100, first.velocity.y, 1e-4);
  EXPECT_NEAR(Fraction(r[4]) * 1000, first.position.x, 1e-3);
  EXPECT_NEAR(Fraction(r[5]) * 500, first.position.y, 1e-3);
  for (size_t i = 0; i < sprites.size(); ++i) {
    const Particle& p = sprites[i];
    EXPECT_EQ(p.velocity.x < 0, p.halfWidth < 0) << "mirrored exactly when swimming left";
    EXPECT_EQ(15, std::fabs(p.halfWidth));
    EXPECT_EQ(1, p.alpha);
  }
}

TEST(KQ_FishConstructor, TurnsRoundOnlyOnceWhollyOutsideSideways) {
  const PictureSize picture(1000, 500);
  KQ_FishConstructor fish;
  fish.size = 20;
  Sprites sprites(fish);
  Particle& p = sprites[0];
  p.position = D3DXVECTOR3(12, 250, 0);
  p.velocity = D3DXVECTOR3(-40, 0, 0);
  p.halfWidth = -10;
  sprites.Update(0.1f);  // to 8: half out, still swimming left
  EXPECT_EQ(-40, p.velocity.x);
  sprites.Update(0.2f);
  sprites.Update(0.3f);
  sprites.Update(0.4f);
  sprites.Update(0.5f);  // to -8: still overlapping the area
  EXPECT_EQ(-40, p.velocity.x);
  sprites.Update(0.6f);
  sprites.Update(0.7f);  // to -16: wholly outside
  EXPECT_EQ(40, p.velocity.x);
  EXPECT_EQ(10, p.halfWidth) << "drawn unmirrored";
}

TEST(KQ_FishConstructor, BouncesOffTheTopAsSoonAsItCrossesIt) {
  const PictureSize picture(1000, 500);
  KQ_FishConstructor fish;
  fish.size = 20;
  Sprites sprites(fish, 0.5f);  // 20 x 10
  Particle& p = sprites[0];
  p.position = D3DXVECTOR3(500, 6, 0);
  p.velocity = D3DXVECTOR3(10, -20, 0);
  p.halfWidth = 10;
  sprites.Update(0.1f);  // to 4: its top edge is above the area
  EXPECT_EQ(20, p.velocity.y);
  p.position = D3DXVECTOR3(500, 494, 0);
  sprites.Update(0.2f);  // to 496: its bottom edge is below
  EXPECT_EQ(-20, p.velocity.y);
}

TEST(KQ_FishConstructor, WithoutSpeedFishStandStillFacingRight) {
  const PictureSize picture(1000, 500);
  KQ_FishConstructor fish;
  fish.speedX = fish.speedY = 0;
  fish.count = 5;
  Sprites sprites(fish);
  std::vector<D3DXVECTOR3> places;
  for (size_t i = 0; i < 5; ++i) places.push_back(sprites[i].position);
  for (int i = 1; i <= 50; ++i) sprites.Update(i * 0.1f);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(places[i], sprites[i].position);
    EXPECT_GT(sprites[i].halfWidth, 0);
  }
}

TEST(KQ_FishConstructor, ItemSpeedChangesHowFarButNotHowOftenTheyChangeCourse) {
  const PictureSize picture(1000, 500);
  for (unsigned int speed : {50u, 100u}) {
    SCOPED_TRACE(speed);
    KQ_FishConstructor fish;
    fish.speed = speed;
    Sprites sprites(fish);
    Particle& p = sprites[0];
    p.position = D3DXVECTOR3(500, 250, 0);
    p.velocity = D3DXVECTOR3(20, 0, 0);
    p.halfWidth = 20;
    const unsigned int seed = SeedWhere([](const std::vector<int>& v) { return v[0] % 2; });
    const auto r = UpcomingRands(seed, 4);
    for (int i = 1; i <= 10; ++i) sprites.Update(i * 0.1f);
    EXPECT_NEAR(500 + 20 * speed / 50.0f, p.position.x, 1e-3);
    EXPECT_EQ(20, p.velocity.x) << "no new course within a second of application time";
    // The first chance comes at 1.1 s whatever the item's speed; its draws are the first ones.
    sprites.Update(1.1f);
    EXPECT_NEAR(std::fabs(-80 + Fraction(r[1]) * 160), p.velocity.x, 1e-4)
        << "a new speed, the heading kept";
    EXPECT_NEAR(-50 + Fraction(r[2]) * 100, p.velocity.y, 1e-4);
    EXPECT_EQ(1.1f, p.lastChange);
    EXPECT_EQ(r[3], std::rand());
  }
}

TEST(KQ_BirdConstructor, ASlowBirdIsTurnedDownwards) {
  const PictureSize picture(1000, 500);
  KQ_BirdConstructor bird;
  Sprites sprites(bird);
  Particle& p = sprites[0];
  p.position = D3DXVECTOR3(500, 250, 0);
  p.velocity = D3DXVECTOR3(70, -20, 0);
  sprites.Update(0.1f);
  EXPECT_NEAR(26.43f, p.velocity.y, 0.005);
  EXPECT_EQ(70, p.velocity.x) << "fast enough sideways";
}

TEST(KQ_BirdConstructor, ASlowBirdSpeedsUpSidewaysKeepingItsHeading) {
  const PictureSize picture(1000, 500);
  KQ_BirdConstructor bird;
  Sprites sprites(bird);
  Particle& p = sprites[0];
  p.position = D3DXVECTOR3(500, 250, 0);
  p.velocity = D3DXVECTOR3(-10, 45, 0);
  p.halfWidth = -std::fabs(p.halfWidth);
  const auto r = UpcomingRands(23, 2);
  sprites.Update(0.1f);
  EXPECT_NEAR(-(56 + Fraction(r[0]) * 24), p.velocity.x, 1e-4);
  EXPECT_EQ(45, p.velocity.y);
  EXPECT_EQ(r[1], std::rand());
}

TEST(KQ_GhostConstructor, FadesInAndOutAndIsBornAgainElsewhere) {
  const PictureSize picture(1000, 500);
  KQ_GhostConstructor ghost;
  EXPECT_EQ(50, ghost.speedX);
  EXPECT_EQ(127, ghost.transparency.Result());
  ghost.minAlpha = 0.2f;
  const auto r = UpcomingRands(31, 7);
  Sprites sprites(ghost);
  Particle& p = sprites[0];
  EXPECT_EQ(1, p.sizeFactor);
  EXPECT_NEAR(Fraction(r[6]), p.alpha, 1e-6) << "after the fish's draws";
  EXPECT_EQ(std::fabs(p.alphaVelocity), 0.66f);

  p.alpha = 0.5f;
  p.alphaVelocity = 0.66f;
  sprites.Update(0.1f);
  EXPECT_NEAR(0.566f, p.alpha, 1e-5);
  EXPECT_EQ(static_cast<DWORD>(127 * p.alpha), p.colour >> 24);

  p.alpha = 0.21f;
  p.alphaVelocity = -0.66f;
  const auto again = UpcomingRands(32, 6);
  sprites.Update(0.2f);
  EXPECT_NEAR(Fraction(again[2]) * 1000, p.position.x, 1e-3) << "born again elsewhere";
  EXPECT_EQ(0.2f, p.alpha);
  EXPECT_EQ(0.66f, p.alphaVelocity);
  EXPECT_EQ(again[5], std::rand());
}

}  // namespace
