// The explosion without a device: the shape of its cycle, its clock, the noise
// offsets of the repeatable mode, and what it sends its effect.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "items/shader/crt_random.h"
#include "items/shader/kq_explosion_constructor.h"
#include "items/shader/kq_fx_obj.h"
#include "tests/support/item_testing.h"
#include "tests/support/recording_effect.h"

namespace {

using fx_testing::RecordingEffect;
using fx_testing::TestLight;
using item_testing::Fraction;
using item_testing::UpcomingRands;

// Delay 200 ms, growth 1000, steady 500, fade 1000, pause 300: 3000 ms a cycle.
void GiveCycle(KQ_ExplosionConstructor& settings) {
  settings.delay = 200;
  settings.growthTime = 1000;
  settings.steadyTime = 500;
  settings.fadeTime = 1000;
  settings.pause = 300;
}

// The run-time item of `settings`, made without a device or a resource manager.
std::unique_ptr<KQ_FXObj> Item(KQ_ExplosionConstructor& settings) {
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  return std::unique_ptr<KQ_FXObj>(static_cast<KQ_FXObj*>(item.release()));
}

KQ_ExplosionConstructor& Settings(KQ_FXObj& item) {
  return static_cast<KQ_ExplosionConstructor&>(item.Fx());
}

Particle& First(KQ_FXObj& item) { return *item.particles.front(); }

TEST(Explosion, DefaultsAreTheirOwn) {
  KQ_ExplosionConstructor settings;
  EXPECT_EQ(99, settings.effectFile.Key().id);
  EXPECT_EQ(L"tessaly.dll", settings.effectFile.Key().path);
  EXPECT_EQ(100u, settings.speed.Get());
  EXPECT_EQ(250u, settings.size.Get());
  EXPECT_FLOAT_EQ(0.79f, settings.noise1.Result());
  EXPECT_FLOAT_EQ(0.15f, settings.noise2.Result());
  EXPECT_FLOAT_EQ(0.42f, settings.noise3.Result());
  EXPECT_FLOAT_EQ(0.25f, settings.noiseSpeed.Result());
}

TEST(Explosion, GrowsFadesInHoldsAndVanishesOverItsCycle) {
  KQ_ExplosionConstructor settings;
  GiveCycle(settings);
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  KQ_ExplosionConstructor& fx = Settings(*item);
  struct Case {
    float ms;
    float half;   // of the square, pixels (full: 125)
    float alpha;  // from 0.7 before the move
    const char* why;
  } cases[] = {
      {100, 0, 0, "the delay shows nothing (alpha clamped, not negative)"},
      {250, 125 * (0.25f + 0.75f * 0.05f), 0.25f, "growing: a twentieth, fading in"},
      {700, 125 * (0.25f + 0.75f * 0.5f), 1, "half grown, faded in after a fifth"},
      {1500, 125, 0.7f, "steady: full size, alpha left alone"},
      {2600, 125, 0.7f, "fading: still full size"},
      {2800, 0, 0.7f, "the pause shows nothing"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    fx.cycleClock = c.ms;
    First(*item).alpha = 0.7f;
    fx.MoveParticle(First(*item));
    EXPECT_FLOAT_EQ(c.half, First(*item).halfWidth);
    EXPECT_FLOAT_EQ(c.half, First(*item).halfHeight);
    EXPECT_FLOAT_EQ(c.alpha, First(*item).alpha);
    EXPECT_EQ(fx.centre.Get(), First(*item).position);
  }
}

TEST(Explosion, EdgesOfTheCycle) {
  struct Case {
    unsigned int size, delay, growth;
    float ms;
    float half, alpha;
    const char* why;
  } cases[] = {
      {250, 0, 1000, 0, 31.25f, 0, "no delay: a quarter of the size at alpha 0 at once"},
      {251, 0, 1000, 2000, 125, 1, "the size is halved as an integer"},
      {250, 0, 0, 0, 125, 1, "no growth: full size at once"},
      {250, 100, 0, 50, 0, 1, "no growth, in the delay: nothing, and finite"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    KQ_ExplosionConstructor settings;
    settings.size = c.size;
    settings.delay = c.delay;
    settings.growthTime = c.growth;
    settings.steadyTime = 5000;
    const std::unique_ptr<KQ_FXObj> item = Item(settings);
    KQ_ExplosionConstructor& fx = Settings(*item);
    fx.cycleClock = c.ms;
    First(*item).alpha = 1;
    fx.MoveParticle(First(*item));
    EXPECT_FLOAT_EQ(c.half, First(*item).halfWidth);
    EXPECT_FLOAT_EQ(c.alpha, First(*item).alpha);
    EXPECT_TRUE(std::isfinite(fx.GrowthPhase()));
    EXPECT_TRUE(std::isfinite(fx.FadePhase()));
  }
}

TEST(Explosion, PhasesRiseAndFallAndPhasesOfNoLengthAreComplete) {
  struct Case {
    unsigned int growth, fade;
    float ms;
    float growthPhase, fadePhase;
  } cases[] = {
      {1000, 1000, 450, 1.5f, 0},   // a quarter grown (after the 200 ms delay)
      {1000, 1000, 1500, 0, 0},     // steady
      {1000, 1000, 2200, 0, 0.5f},  // half faded
      {0, 1000, 100, 0, 0},         // growth of no length, in the delay
      {1000, 0, 1800, 0, 1},        // fade of no length
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    KQ_ExplosionConstructor fx;
    GiveCycle(fx);
    fx.growthTime = c.growth;
    fx.fadeTime = c.fade;
    fx.cycleClock = c.ms;
    EXPECT_FLOAT_EQ(c.growthPhase, fx.GrowthPhase());
    EXPECT_FLOAT_EQ(c.fadePhase, fx.FadePhase());
  }
}

TEST(Explosion, CycleClockAdvancesOncePerParticle) {
  for (unsigned int count : {1u, 2u, 5u}) {
    SCOPED_TRACE(count);
    KQ_ExplosionConstructor settings;
    GiveCycle(settings);
    settings.count = count;
    const std::unique_ptr<KQ_FXObj> item = Item(settings);
    item->Update(0.05f);
    item->Update(0.1f);
    EXPECT_NEAR(100.0 * count, Settings(*item).cycleClock, 1e-3) << "two frames of 50 ms";
  }
}

TEST(Explosion, CycleStartsAgainOnceItsTimeIsOver) {
  KQ_ExplosionConstructor settings;
  GiveCycle(settings);
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  KQ_ExplosionConstructor& fx = Settings(*item);
  fx.cycleClock = 2950;
  item->Update(0.04f);
  EXPECT_NEAR(2990, fx.cycleClock, 1e-3) << "still in the pause";
  item->Update(0.08f);
  EXPECT_EQ(0, fx.cycleClock) << "past 3000 ms: back to the start";
  EXPECT_EQ(0, First(*item).halfWidth) << "in the delay again";
}

TEST(Explosion, WithAllTimesZeroRestartsEveryFrameAtFullSize) {
  KQ_ExplosionConstructor settings;
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  KQ_ExplosionConstructor& fx = Settings(*item);
  for (float t : {0.05f, 0.1f}) {
    item->Update(t);
    EXPECT_EQ(0, fx.cycleClock);
    EXPECT_EQ(2, fx.drawCount) << "a new first pair each time";
    EXPECT_FLOAT_EQ(125, First(*item).halfWidth);
    EXPECT_EQ(0, fx.GrowthPhase());
    EXPECT_EQ(0, fx.FadePhase());
  }
}

TEST(Explosion, CycleLengthDoesNotWrapRoundThirtyTwoBits) {
  KQ_ExplosionConstructor settings;
  settings.growthTime = 0xFFFFFFFFu;  // with the steady time, 2^32 ms: 0 in 32 bits
  settings.steadyTime = 1;
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  item->Update(0.05f);
  item->Update(0.1f);
  EXPECT_NEAR(100, Settings(*item).cycleClock, 1e-3) << "the cycle is not over";
}

TEST(Explosion, OwnGeneratorRunsTheRuntimesSequence) {
  for (unsigned int seed : {0u, 1u, 1234u, 0xFFFFFFFFu}) {
    CrtRandom own;
    own.Seed(seed);
    std::srand(seed);
    for (int i = 0; i < 50; ++i) ASSERT_EQ(std::rand(), own.Next()) << seed << " draw " << i;
  }
}

TEST(Explosion, RepeatableModeReplaysTheSeededPairsEveryCycleAndLeavesOthersDrawsAlone) {
  const unsigned int seed = 1234;
  CrtRandom sequence;
  sequence.Seed(seed);
  std::vector<D3DXVECTOR2> pairs;
  for (int i = 0; i < 4; ++i) {
    const float x = static_cast<float>(sequence.NextFraction());
    const float y = static_cast<float>(sequence.NextFraction());
    pairs.emplace_back(x, y);
  }
  KQ_ExplosionConstructor settings;
  settings.seed = seed;
  settings.randomMode = 0;
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  KQ_ExplosionConstructor& fx = Settings(*item);
  for (int cycle = 0; cycle < 2; ++cycle) {
    SCOPED_TRACE(cycle);
    const std::vector<int> others = UpcomingRands(77, 1);
    fx.Restart();
    EXPECT_EQ(pairs[0], fx.newerOffset);
    for (int k = 1; k < 4; ++k) {
      fx.ReshuffleNoise();
      EXPECT_EQ(pairs[k], fx.newerOffset) << "reshuffle " << k;
    }
    EXPECT_EQ(others[0], std::rand()) << "the shared generator went on undisturbed";
  }
}

TEST(Explosion, OtherRandomModesDrawFromTheSharedGenerator) {
  KQ_ExplosionConstructor settings;
  settings.randomMode = 1;
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  const std::vector<int> draws = UpcomingRands(9, 2);
  Settings(*item).ReshuffleNoise();
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(draws[0])), Settings(*item).newerOffset.x);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(draws[1])), Settings(*item).newerOffset.y);
}

TEST(Explosion, NoiseJumpsOncePerWholeSecondOfItsTime) {
  KQ_ExplosionConstructor settings;
  settings.seed = 5;
  GiveCycle(settings);
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  KQ_ExplosionConstructor& fx = Settings(*item);
  TestLight light;
  float t = 0;
  int jumps = 0;
  D3DXVECTOR2 last = fx.newerOffset;
  // Speed 100: two seconds of item time a second; 1.2 s of frames crosses two
  // whole seconds.
  for (int frame = 0; frame < 24; ++frame) {
    t += 0.05f;
    item->Update(t);
    item->Draw(light);
    if (!(fx.newerOffset == last)) {
      ++jumps;
      EXPECT_EQ(last, fx.olderOffset) << "the newer offset becomes the older one";
      last = fx.newerOffset;
    }
  }
  EXPECT_EQ(2, jumps);
  EXPECT_TRUE(light.draws.empty()) << "without an effect nothing is drawn";
}

TEST(Explosion, RestartBeginsTheCycleAndTheNoiseClockAgain) {
  KQ_ExplosionConstructor settings;
  GiveCycle(settings);
  const std::unique_ptr<KQ_FXObj> item = Item(settings);
  KQ_ExplosionConstructor& fx = Settings(*item);
  for (float t : {0.1f, 0.2f, 0.3f}) item->Update(t);
  ASSERT_GT(fx.noiseSpeed.LocalTime(), 0);
  fx.olderOffset = D3DXVECTOR2(0.5f, 0.5f);
  fx.Restart();
  EXPECT_EQ(0, fx.cycleClock);
  EXPECT_EQ(2, fx.drawCount);
  EXPECT_EQ(D3DXVECTOR2(0, 0), fx.olderOffset);
  EXPECT_EQ(0, fx.noiseSpeed.LocalTime());
  EXPECT_EQ(0, fx.noiseSpeed.LastTime());
  EXPECT_FLOAT_EQ(0.25f, fx.noiseSpeed.Result()) << "the speed itself stays";
}

TEST(Explosion, SendsItsEffectTheFramesParameters) {
  KQ_ExplosionConstructor fx;
  GiveCycle(fx);
  fx.colour = 0x000080FF;        // red 255, green 128
  fx.secondColour = 0x00FF0000;  // blue
  fx.noise2.Set(30);
  fx.scaledTime = 2.25f;
  fx.cycleClock = 450;
  fx.noiseSpeed.Advance(0.2f);  // 0.2 s at a quarter: scrolled 0.05
  fx.olderOffset = D3DXVECTOR2(0.1f, 0.2f);
  fx.newerOffset = D3DXVECTOR2(0.3f, 0.4f);
  RecordingEffect effect;
  fx.SetEffectParameters(effect);
  EXPECT_EQ("Main", effect.Technique());
  const float s = -0.05f;  // noise direction 0: scrolled along -x
  const struct {
    const char* name;
    std::vector<float> values;
  } expected[] = {
      {"color1", {1, 128 / 255.0f, 0}},
      {"color2", {0, 0, 1}},
      {"noise_shift", {0.1f + s, 0.2f, 0.3f + s, 0.4f}},
      {"noise_params", {0.79f, 0.3f, 0.42f}},
      {"time", {0.25f, 0.75f}},
      {"phase_3rd", {0, 1}},
      {"phase_1st", {1.5f}},
  };
  for (const auto& e : expected) {
    const std::vector<float> values = effect.Values(e.name);
    ASSERT_EQ(e.values.size(), values.size()) << e.name;
    for (size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(e.values[i], values[i], 1e-5) << e.name;
  }
  EXPECT_EQ(nullptr, effect.Texture("GradientTex")) << "no image: no texture";
  EXPECT_EQ(nullptr, effect.Texture("NoiseTex"));
}

}  // namespace
