// Light pulse: the picture's light multiplied by a factor (effect 76) that pulses as a sine,
// blinks as a square wave or flickers as noise, on the effect's clock.
#pragma once

#include "items/fullscreen/kq_fx_constructor.h"

class KQ_LightFX : public KQ_FX_Constructor {
public:
  static constexpr unsigned long CurrentVersion = 1;

  enum Waveform { Sine = 0, Square = 1, Noise = 2 };  // 2 and above are noise

  KQ_LightFX();

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;
  std::unique_ptr<KQ_FX_Constructor> Clone() const override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  // The wave at the clock's time, 0 to 1.
  float Wave() const;

  UINTSclaleTo<float> strength{40, 0.01f};  // the amplitude of "multiplier"
  MediaParamT<int> waveform;
};
