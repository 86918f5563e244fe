// Underwater ripple: the picture wobbling as if seen through water (effect 88). It is not an
// item of its own: the underwater light embeds one, reads its section with ReadUnderwaterFX,
// and drives its device objects, clock and drawing itself.
#pragma once

#include "items/fullscreen/kq_fx_constructor.h"

class KQ_UnderwaterFX : public KQ_FX_Constructor {
public:
  static constexpr unsigned long CurrentVersion = 1;

  KQ_UnderwaterFX();

  // The fields of this class's section, then the base sections.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;
  std::unique_ptr<KQ_FX_Constructor> Clone() const override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  UINTSclaleTo<float> amplitude{50, 0.000125f};
  UINTSclaleTo<float> frequency{50, 0.002f, 0.001f};  // the ripples' wavelength
};

// A whole "KQ_UnderwaterFX" section, header included, into a new effect with its defaults.
std::unique_ptr<KQ_UnderwaterFX> ReadUnderwaterFX(KQ_IOF_Virtual& stream);
