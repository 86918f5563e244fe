// Light pulse: the picture's light multiplied by a factor (effect 76) that pulses as a sine,
// blinks as a square wave or flickers as noise, on the effect's clock.
#pragma once

#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"

class KQ_LightFX : public ItemClass<KQ_LightFX, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_LightFX";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.strength, s.waveform);
  }

  enum Waveform { Sine = 0, Square = 1, Noise = 2 };  // 2 and above are noise

  KQ_LightFX();

  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  // The wave at the clock's time, 0 to 1.
  float Wave() const;

  UINTSclaleTo<float> strength{40, 0.01f};  // the amplitude of "multiplier"
  MediaParamT<int> waveform;
};
