// An explosion: a burst at one point of the picture that repeats in a fixed
// cycle of a delay, a growing, a steady and a fading phase and a pause, each a
// number of milliseconds. Its square particle grows from a quarter to its full
// size while it fades in, and the effect mixes two colours from a gradient
// texture and a noise texture that scrolls and jumps to new random offsets
// every second of the item's time.
//
// In the repeatable mode (random mode 0) every cycle and every restart shows
// the same offsets: the k-th jump of a cycle takes the k-th pair of the
// generator seeded with the seed. That generator is the explosion's own, so no
// other item's draws are touched. Each particle's move advances the cycle
// clock by the frame's time.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

#include "document/media_color.h"
#include "document/media_direction.h"
#include "document/media_speed_param.h"
#include "document/scaled_param.h"
#include "items/shader/crt_random.h"
#include "items/shader/kq_stat_base_fx_ctrl.h"
#include "render/com_holder.h"

class KQ_ExplosionConstructor : public SpriteClass<KQ_ExplosionConstructor, KQ_StatBaseFXCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_ExplosionConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.noise1, s.noise2, s.noise3, s.noiseDirection, s.noiseSpeed, s.growthTime,
                    s.steadyTime, s.fadeTime, s.delay, s.pause, s.seed, s.randomMode,
                    s.secondColour);
  }

  KQ_ExplosionConstructor();

  // A new cycle from its start.
  void Restart() override;
  void MoveParticle(Particle& particle) override;
  // The effect, the gradient and noise textures, then the first noise offsets.
  void LoadResources() override;
  void UpdateFrame() override;
  void SetEffectParameters(EffectCalls& effect) const override;

  // The newer noise offset := the next random pair (see above).
  void ReshuffleNoise();
  // What the phases have reached at the cycle clock: growth 2 down to 0 while
  // the burst grows, fade 0 up to 1 while it fades. A phase of no length counts
  // as complete.
  float GrowthPhase() const;
  float FadePhase() const;

  UINTSclaleTo<float> noise1{21, -0.01f, 1.0f};  // the shader's noise parameters
  UINTSclaleTo<float> noise2{15, 0.01f};
  UINTSclaleTo<float> noise3{42, 0.01f};
  MediaDirection noiseDirection{0};         // degrees the noise scrolls towards
  MediaSpeedParam noiseSpeed{50, 0.005f};   // its clock is the scroll time
  MediaParamT<unsigned int> growthTime{0};  // milliseconds, P1
  MediaParamT<unsigned int> steadyTime{0};  // P2
  MediaParamT<unsigned int> fadeTime{0};    // P3
  MediaParamT<unsigned int> delay{0};       // P4, before the burst shows
  MediaParamT<unsigned int> pause{0};       // P5, after it has faded
  MediaParamT<unsigned int> seed{0};
  MediaParamT<int> randomMode{0};  // 0: the same offsets every cycle
  MediaColor secondColour{0};      // colour reference 0x00BBGGRR

  D3DXVECTOR2 olderOffset{0, 0};  // noise offsets in texture units
  D3DXVECTOR2 newerOffset{0, 0};
  float lastWholeSecond = 0;  // of the item's time, at the last jump
  int drawCount = 1;          // pairs the next repeatable reshuffle draws
  float cycleClock = 0;       // milliseconds into the cycle

private:
  // Clock, draw count and offsets back to the start, and the first offsets
  // drawn.
  void StartCycle();
  // (ms - P4) / P1: how far the burst has grown, 1 for a growth of no length.
  float GrowthFraction() const;

  ComHolder<IDirect3DTexture9> gradientTexture_;
  ComHolder<IDirect3DTexture9> noiseTexture_;
  CrtRandom repeatable_;
};
