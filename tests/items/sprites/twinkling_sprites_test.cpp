// The pulse rule and the four light-like sprite classes: god rays, sparkles, fog and lightning.
// Random draws are predicted from a seeded run of the generator, in the order the classes make
// them: the geometry's size and fade-sign draws first, then the class's own.
#include <gtest/gtest.h>

#include <cmath>

#include "items/particle.h"
#include "items/sprites/kq_fog_constructor.h"
#include "items/sprites/kq_god_ray_constructor.h"
#include "items/sprites/kq_lighting_constructor.h"
#include "items/sprites/kq_sparkle_constructor.h"
#include "items/sprites/particle_pulse.h"
#include "tests/support/item_testing.h"

namespace {

using namespace item_testing;

class CountingSprite : public SpriteClass<CountingSprite> {
public:
  static constexpr const wchar_t* ClassName = L"CountingSprite";
  void InitParticle(Particle& particle) override {
    ++spawns;
    particle.position.x = 777;
  }
  int spawns = 0;
};

TEST(Pulse, AlphaTurnsAtBothBoundsAndRespawnsAtTheMinimumOnlyWhenAsked) {
  const struct {
    const char* label;
    AtMinimumAlpha atMinimum;
    float alpha, alphaVelocity;
    float alphaAfter, velocityAfter;
    int spawns;
  } cases[] = {
      {"between the bounds", AtMinimumAlpha::Respawn, 0.5f, 0.25f, 0.75f, 0.25f, 0},
      {"past the maximum", AtMinimumAlpha::Respawn, 0.75f, 0.5f, 0.9f, -0.5f, 0},
      {"below the minimum, born again", AtMinimumAlpha::Respawn, 0.5f, -0.5f, 0.2f, 0.5f, 1},
      {"below the minimum, turning", AtMinimumAlpha::Reverse, 0.5f, -0.5f, 0.2f, 0.5f, 0},
      {"no fade below the minimum turns once", AtMinimumAlpha::Reverse, 0.1f, 0, 0.2f, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    CountingSprite settings;
    settings.minAlpha = 0.2f;
    settings.maxAlpha = 0.9f;
    settings.timeStep = 1;
    Particle p;
    p.alpha = c.alpha;
    p.alphaVelocity = c.alphaVelocity;
    Pulse(settings, p, c.atMinimum);
    EXPECT_FLOAT_EQ(c.alphaAfter, p.alpha);
    EXPECT_EQ(c.velocityAfter, p.alphaVelocity);
    EXPECT_EQ(c.spawns, settings.spawns);
  }
}

TEST(KQ_GodRayConstructor, SpawnsAtRandomXOnTheMiddleRowWithItsDrawsInOrder) {
  const PictureSize picture(1000, 400);
  KQ_GodRayConstructor rays;
  rays.leftFraction = 0.1f;
  rays.rightFraction = 0.9f;
  rays.size = 30;
  const auto r = UpcomingRands(3, 6);
  Sprites sprites(rays);
  const Particle& ray = sprites[0];
  EXPECT_NEAR(100 + Fraction(r[2]) * 800, ray.position.x, 1e-3);
  EXPECT_EQ(200, ray.position.y);
  EXPECT_NEAR(Fraction(r[3]) * 20 - 10, ray.velocity.x, 1e-5);
  EXPECT_NEAR(Fraction(r[4]), ray.alpha, 1e-6);
  EXPECT_EQ(15, ray.halfWidth) << "half the size, whatever the aspect";
  EXPECT_EQ(200, ray.halfHeight) << "as tall as the picture";
  EXPECT_EQ(r[5], std::rand());
}

TEST(KQ_GodRayConstructor, TheRowIsHalfTheAreasHeightFromThePicturesTop) {
  const PictureSize picture(1000, 400);
  KQ_GodRayConstructor rays;
  rays.topFraction = 0.2f;
  rays.bottomFraction = 0.8f;
  Sprites sprites(rays);
  EXPECT_NEAR(0.3f * 400, sprites[0].position.y, 1e-3);
}

TEST(KQ_GodRayConstructor, TheAngleLeansTheRay) {
  const PictureSize picture(1000, 400);
  const struct {
    unsigned int angle;
    float lean;
  } cases[] = {{90, 0}, {80, -0.1763f}, {260, -0.1763f}, {100, 0.1763f}, {45, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.angle);
    KQ_GodRayConstructor rays;
    rays.angle = c.angle;
    Sprites sprites(rays);
    EXPECT_NEAR(c.lean, sprites[0].up.x, 1e-4);
    EXPECT_EQ(1, sprites[0].up.y);
    EXPECT_EQ(D3DXVECTOR3(1, 0, 0), sprites[0].right);
  }
}

TEST(KQ_GodRayConstructor, AFlatRayLeansFarButFinitely) {
  const PictureSize picture(1000, 400);
  for (unsigned int angle : {0u, 180u, 360u}) {
    KQ_GodRayConstructor rays;
    rays.angle = angle;
    Sprites sprites(rays);
    EXPECT_TRUE(std::isfinite(sprites[0].up.x)) << angle;
    EXPECT_GT(std::fabs(sprites[0].up.x), 50) << angle;
  }
}

TEST(KQ_GodRayConstructor, SlidesAndChangesSpeedOnlyAfterAQuarterSecond) {
  const PictureSize picture(1000, 400);
  KQ_GodRayConstructor rays;
  Sprites sprites(rays);
  Particle& ray = sprites[0];
  ray.velocity.x = 8;
  ray.alpha = 0.5f;
  const float x = ray.position.x;
  const unsigned int seed = SeedWhere([](const std::vector<int>& v) { return v[0] % 2; });
  const auto r = UpcomingRands(seed, 3);
  sprites.Update(0.125f);
  sprites.Update(0.25f);
  EXPECT_FLOAT_EQ(x + 8 * 0.25f, ray.position.x) << "no change at exactly 0.25";
  sprites.Update(0.375f);
  EXPECT_NEAR(Fraction(r[1]) * 20 - 10, ray.velocity.x, 1e-5) << "an odd draw gives a new speed";
  EXPECT_EQ(0.375f, ray.lastChange);
  EXPECT_EQ(r[2], std::rand());
}

TEST(KQ_SparkleConstructor, SpawnsWithItsFiveDrawsInOrder) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor sparkles;
  const auto r = UpcomingRands(21, 8);
  Sprites sprites(sparkles);
  const Particle& p = sprites[0];
  EXPECT_NEAR(Fraction(r[2]) * 50 - 25, p.velocity.x, 1e-5);
  EXPECT_NEAR(Fraction(r[3]) * 50 - 25, p.velocity.y, 1e-5);
  EXPECT_NEAR(Fraction(r[4]) * 1000, p.position.x, 1e-3);
  EXPECT_NEAR(Fraction(r[5]) * 500, p.position.y, 1e-3);
  EXPECT_NEAR(Fraction(r[6]), p.alpha, 1e-6);
  EXPECT_EQ(r[7], std::rand());
}

TEST(KQ_SparkleConstructor, GrowsWithItsBrightness) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor sparkles;
  sparkles.size = 40;
  Sprites sprites(sparkles, 0.25f);
  Particle& p = sprites[0];
  p.sizeFactor = 2;
  for (float alpha : {0.0f, 0.5f, 1.0f}) {
    p.alpha = alpha;
    sparkles.timeStep = 0;
    sparkles.MoveParticle(p);
    EXPECT_FLOAT_EQ(40 * 2 * 0.25f * (1 + alpha), p.halfWidth) << alpha;
    EXPECT_EQ(p.halfWidth, p.halfHeight) << "square whatever the image";
  }
}

TEST(KQ_SparkleConstructor, IsBornElsewhereWhenItFadesOut) {
  const PictureSize picture(1000, 500);
  KQ_SparkleConstructor sparkles;
  sparkles.fadeSpeed = 4;
  sparkles.minAlpha = 0.1f;
  Sprites sprites(sparkles);
  Particle& p = sprites[0];
  p.alpha = 0.2f;
  p.alphaVelocity = -4;
  const auto r = UpcomingRands(8, 5);
  sprites.Update(0.05f);
  EXPECT_NEAR(Fraction(r[2]) * 1000, p.position.x, 1e-3);
  EXPECT_EQ(0.1f, p.alpha) << "it starts again from the minimum";
  EXPECT_EQ(4, p.alphaVelocity);
}

TEST(KQ_FogConstructor, SpawnsWithItsSixDrawsInOrder) {
  const PictureSize picture(1000, 500);
  KQ_FogConstructor fog;
  EXPECT_EQ(127, fog.transparency.Result());
  const auto r = UpcomingRands(4, 9);
  Sprites sprites(fog);
  const Particle& p = sprites[0];
  EXPECT_NEAR(Fraction(r[2]) * 1000, p.position.x, 1e-3);
  EXPECT_NEAR(Fraction(r[3]) * 500, p.position.y, 1e-3);
  EXPECT_NEAR(-40 + Fraction(r[4]) * 80, p.velocity.x, 1e-4);
  EXPECT_NEAR(-40 + Fraction(r[5]) * 80, p.velocity.y, 1e-4);
  EXPECT_NEAR(Fraction(r[6]), p.alpha, 1e-6);
  const float turn = static_cast<float>(Fraction(r[7]) * 0.008 - 0.004);
  EXPECT_NEAR(std::sin(turn), p.rotationStep._12, 1e-6);
  EXPECT_EQ(r[8], std::rand());
}

TEST(KQ_FogConstructor, WithoutSpeedAPatchStaysButTurnsAndPulses) {
  const PictureSize picture(1000, 500);
  KQ_FogConstructor fog;
  fog.speedX = fog.speedY = 0;
  fog.fadeSpeed = 0.5f;
  Sprites sprites(fog);
  Particle& p = sprites[0];
  D3DXMatrixRotationZ(&p.rotationStep, 0.003f);
  p.alpha = 0.5f;
  p.alphaVelocity = 0.5f;
  const D3DXVECTOR3 position = p.position;
  sprites.Update(0.1f);
  sprites.Update(0.2f);
  EXPECT_EQ(position, p.position);
  EXPECT_NEAR(std::cos(0.006f), p.right.x, 1e-6) << "one turn per frame";
  EXPECT_NEAR(std::sin(0.006f), p.right.y, 1e-6);
  EXPECT_NEAR(0.6f, p.alpha, 1e-6);
}

TEST(KQ_FogConstructor, APatchWhoseCentreLeftTheAreaTurnsBackWithoutJumping) {
  const PictureSize picture(1000, 500);
  KQ_FogConstructor fog;
  fog.rightFraction = 0.5f;
  Sprites sprites(fog);
  Particle& p = sprites[0];
  p.position = D3DXVECTOR3(499, 250, 0);
  p.velocity = D3DXVECTOR3(20, -5, 0);
  sprites.Update(0.1f);
  EXPECT_FLOAT_EQ(501, p.position.x);
  EXPECT_EQ(-20, p.velocity.x);
  sprites.Update(0.2f);
  EXPECT_FLOAT_EQ(499, p.position.x);
}

TEST(KQ_FogConstructor, PulsesWithoutEverBeingBornAgain) {
  const PictureSize picture(1000, 500);
  KQ_FogConstructor fog;
  Sprites sprites(fog);
  Particle& p = sprites[0];
  p.alpha = 0.25f;
  p.alphaVelocity = -1;
  const D3DXVECTOR3 position = p.position;
  p.velocity = D3DXVECTOR3(0, 0, 0);
  sprites.Update(0.1f);
  EXPECT_EQ(position, p.position);
  EXPECT_EQ(0.2f, p.alpha);
  EXPECT_EQ(1, p.alphaVelocity);
}

TEST(KQ_LightingConstructor, FlashesOnlyAfterASecondThenFadesInASixthUnlessItFlickers) {
  const PictureSize picture(1000, 500);
  KQ_LightingConstructor lightning;
  EXPECT_EQ(1, lightning.additive.Get());
  lightning.size = 40;
  Sprites sprites(lightning);
  Particle& flash = sprites[0];
  EXPECT_EQ(0, flash.alpha) << "dark at birth";

  // Draws: the flash (odd), its new place, tilt and mirror, then a flicker that fails (even).
  const unsigned int seed = SeedWhere(
      [](const std::vector<int>& v) { return v[0] % 2 == 1 && v[5] % 2 == 0; });
  const auto r = UpcomingRands(seed, 7);
  float t = 0;
  for (int i = 0; i < 8; ++i) sprites.Update(t += 0.125f);
  EXPECT_EQ(1.0f, lightning.scaledTime);
  EXPECT_EQ(0, flash.alpha) << "no flash until the clock is past 1";
  sprites.Update(t += 0.125f);
  EXPECT_EQ(1, flash.alpha);
  EXPECT_NEAR(20 + Fraction(r[1]) * 960, flash.position.x, 1e-3) << "wholly inside the area";
  EXPECT_EQ(0xFFFFFFFFu, flash.colour);
  sprites.Update(t += 0.125f);
  EXPECT_FLOAT_EQ(0.25f, flash.alpha);
  sprites.Update(t += 0.125f);
  EXPECT_EQ(0, flash.alpha);
  EXPECT_EQ(1.375f, flash.lastChange) << "the dark pause starts when it goes dark";
  EXPECT_EQ(r[6], std::rand());
}

TEST(KQ_LightingConstructor, AFlickerBringsAFadingFlashBackToFull) {
  const PictureSize picture(1000, 500);
  KQ_LightingConstructor lightning;
  Sprites sprites(lightning);
  Particle& flash = sprites[0];
  flash.alpha = 1;
  const unsigned int seed = SeedWhere([](const std::vector<int>& v) { return v[0] % 2; });
  UpcomingRands(seed, 1);
  sprites.Update(0.1f);
  sprites.Update(0.2f);
  EXPECT_EQ(1, flash.alpha);
}

TEST(KQ_LightingConstructor, FlashesAreTiltedAndMirroredAtRandom) {
  const PictureSize picture(1000, 500);
  KQ_LightingConstructor lightning;
  const auto r = UpcomingRands(17, 6);
  Sprites sprites(lightning);
  const Particle& flash = sprites[0];
  const float tilt = static_cast<float>(Fraction(r[4]) * (D3DX_PI / 4) - D3DX_PI / 8);
  const float mirror = r[5] % 2 ? -1.0f : 1.0f;
  EXPECT_NEAR(mirror * std::cos(tilt), flash.right.x, 1e-6);
  EXPECT_NEAR(mirror * std::sin(tilt), flash.right.y, 1e-6);
  EXPECT_NEAR(-std::sin(tilt), flash.up.x, 1e-6);
  EXPECT_NEAR(std::cos(tilt), flash.up.y, 1e-6);
}

}  // namespace
