// A flower: a still picture that sways about the midpoint of its bottom edge. Every flower
// sways in step with the scaled time; the placement is not updated by the sway.
#pragma once

#include "items/sprites/kq_stat_obj_constructor.h"

class KQ_FlowerConstructor
    : public SpriteClass<KQ_FlowerConstructor, KQ_StatObjConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_FlowerConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.swayAmplitude);
  }

  void MoveParticle(Particle& particle) override;

  float swayAmplitude = 1.5f;  // degrees either side of the picture's own turn
};
