#include "items/shader/kq_explosion_constructor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "document/class_registry.h"
#include "document/first_frame.h"
#include "items/fullscreen/effect_colour.h"
#include "items/particle.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_ExplosionConstructor);

namespace {
constexpr int ExplosionEffect = 99;
// The times are summed wider than they are stored, so that long phases cannot
// wrap.
double Sum(std::initializer_list<unsigned int> times) {
  uint64_t sum = 0;
  for (unsigned int time : times) sum += time;
  return static_cast<double>(sum);
}
}  // namespace

KQ_ExplosionConstructor::KQ_ExplosionConstructor() {
  effectFile.Store({L"tessaly.dll", ExplosionEffect});
  speed = 100;
  size = 250;
}

void KQ_ExplosionConstructor::Restart() { StartCycle(); }

void KQ_ExplosionConstructor::StartCycle() {
  cycleClock = 0;
  drawCount = 1;
  olderOffset = newerOffset = D3DXVECTOR2(0, 0);
  noiseSpeed = MediaSpeedParam(noiseSpeed.Get(), noiseSpeed.Scale(), noiseSpeed.Offset());
  ReshuffleNoise();
}

void KQ_ExplosionConstructor::ReshuffleNoise() {
  if (randomMode.Get() != 0) {
    newerOffset.x = static_cast<float>(RandomFraction());
    newerOffset.y = static_cast<float>(RandomFraction());
    return;
  }
  repeatable_.Seed(seed.Get());
  for (int pair = 0; pair < drawCount; ++pair) {
    newerOffset.x = static_cast<float>(repeatable_.NextFraction());
    newerOffset.y = static_cast<float>(repeatable_.NextFraction());
  }
  ++drawCount;
}

void KQ_ExplosionConstructor::LoadResources() {
  KQ_FXParticleSystemCtrl::LoadResources();
  gradientTexture_.Share(FirstFrame(image));
  noiseTexture_.Share(FirstFrame(secondImage));
  ReshuffleNoise();
}

float KQ_ExplosionConstructor::GrowthFraction() const {
  if (growthTime.Get() == 0) return 1;
  return (cycleClock - static_cast<float>(delay.Get())) / static_cast<float>(growthTime.Get());
}

void KQ_ExplosionConstructor::MoveParticle(Particle& particle) {
  // Each particle moves the cycle on: stored explosions of several particles keep
  // the faster pace they were made with.
  cycleClock += frameSeconds * 1000;
  const double cycle =
      Sum({growthTime.Get(), steadyTime.Get(), fadeTime.Get(), delay.Get(), pause.Get()});
  if (cycleClock > cycle) StartCycle();
  noiseSpeed.Advance(scaledTime);

  const double ms = cycleClock;
  particle.position = centre.Get();
  float grown = 1;
  if (Sum({growthTime.Get(), delay.Get()}) > ms) {
    const float g = GrowthFraction();
    // Before the delay ends the burst is not drawn; its alpha stays a fraction
    // all the same.
    particle.alpha = std::clamp(5 * g, 0.0f, 1.0f);
    particle.RefreshColour(*this);
    grown = 0.75f * g + 0.25f;
  }
  float half = static_cast<float>(size.Get() >> 1) * grown;
  const bool shown = ms <= Sum({growthTime.Get(), steadyTime.Get(), fadeTime.Get(), delay.Get()}) &&
                     ms >= delay.Get();
  if (!shown) half = 0;
  particle.halfWidth = particle.halfHeight = half;
}

void KQ_ExplosionConstructor::UpdateFrame() {
  float whole;
  std::modf(scaledTime, &whole);
  if (lastWholeSecond < whole) {
    olderOffset = newerOffset;
    ReshuffleNoise();
    lastWholeSecond = whole;
  }
}

float KQ_ExplosionConstructor::GrowthPhase() const {
  if (Sum({growthTime.Get(), delay.Get()}) > cycleClock) {
    return growthTime.Get() == 0 ? 0.0f : 2 * (1 - GrowthFraction());
  }
  return 0;
}

float KQ_ExplosionConstructor::FadePhase() const {
  if (cycleClock > Sum({growthTime.Get(), steadyTime.Get(), delay.Get()})) {
    if (fadeTime.Get() == 0) return 1;
    return (cycleClock - static_cast<float>(growthTime.Get()) -
            static_cast<float>(steadyTime.Get()) - static_cast<float>(delay.Get())) /
           static_cast<float>(fadeTime.Get());
  }
  return 0;
}

void KQ_ExplosionConstructor::SetEffectParameters(EffectCalls& effect) const {
  float whole;
  const float fraction = std::modf(scaledTime, &whole);
  const float scrolled = noiseSpeed.LocalTime();
  const float scrollX = -noiseDirection.Direction().x * scrolled;
  const float scrollY = noiseDirection.Direction().y * scrolled;
  effect.SetTechnique("Main");
  effect.SetTexture("GradientTex", gradientTexture_.Get());
  effect.SetTexture("NoiseTex", noiseTexture_.Get());
  float colour1[3], colour2[3];
  EffectColour(colour.Get(), colour1);
  EffectColour(secondColour.Get(), colour2);
  effect.SetFloatArray("color1", colour1, 3);
  effect.SetFloatArray("color2", colour2, 3);
  const float shift[4] = {olderOffset.x + scrollX, olderOffset.y + scrollY, newerOffset.x + scrollX,
                          newerOffset.y + scrollY};
  effect.SetFloatArray("noise_shift", shift, 4);
  const float params[3] = {noise1.Result(), noise2.Result(), noise3.Result()};
  effect.SetFloatArray("noise_params", params, 3);
  const float time[2] = {fraction, 1 - fraction};
  effect.SetFloatArray("time", time, 2);
  const float fade = FadePhase();
  const float fadePair[2] = {fade, 1 - fade};
  effect.SetFloatArray("phase_3rd", fadePair, 2);
  effect.SetFloat("phase_1st", GrowthPhase());
}
