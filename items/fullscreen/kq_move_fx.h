// Moving picture: the whole picture swung back and forth along a direction (effect 91), as a
// sine or as noise of the effect's clock; the shift is worked out when the clock moves.
#pragma once

#include "items/fullscreen/kq_direction_based.h"
#include "items/item_class.h"

class KQ_MoveFX : public ItemClass<KQ_MoveFX, KQ_DirectionBased> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_MoveFX";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.motion);
  }

  enum Motion { NoiseMotion = 1 };  // every other value is a sine

  KQ_MoveFX();

  // The clock, then the shift at its new time.
  void Update(float seconds) override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  MediaParamT<int> motion;
  float displacement[2] = {0, 0};  // the shift sent as "Direction"
};
