// Underwater ripple: the picture wobbling as if seen through water (effect 88). It is not an
// item of its own: the underwater light embeds one, reads its section with ReadUnderwaterFX,
// and drives its device objects, clock and drawing itself.
#pragma once

#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"

class KQ_UnderwaterFX : public ItemClass<KQ_UnderwaterFX, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_UnderwaterFX";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.amplitude, s.frequency);
  }

  KQ_UnderwaterFX();

  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  UINTSclaleTo<float> amplitude{50, 0.000125f};
  UINTSclaleTo<float> frequency{50, 0.002f, 0.001f};  // the ripples' wavelength
};

// A whole "KQ_UnderwaterFX" section, header included, into a new effect with its defaults.
std::unique_ptr<KQ_UnderwaterFX> ReadUnderwaterFX(KQ_IOF_Virtual& stream);
