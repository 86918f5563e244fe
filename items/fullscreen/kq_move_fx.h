// Moving picture: the whole picture swung back and forth along a direction (effect 91), as a
// sine or as noise of the effect's clock; the shift is worked out when the clock moves.
#pragma once

#include "items/fullscreen/kq_direction_based.h"

class KQ_MoveFX : public KQ_DirectionBased {
public:
  static constexpr unsigned long CurrentVersion = 1;

  enum Motion { NoiseMotion = 1 };  // every other value is a sine

  KQ_MoveFX();

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;
  std::unique_ptr<KQ_FX_Constructor> Clone() const override;
  // The clock, then the shift at its new time.
  void Update(float seconds) override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  MediaParamT<int> motion;
  float displacement[2] = {0, 0};  // the shift sent as "Direction"
};
