// Fog: large soft patches that wander, turn round when their centre leaves the area, turn
// slowly about themselves (by a fixed angle per frame, so faster at higher frame rates) and
// pulse between the alpha bounds without ever being born again.
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_FogConstructor : public SpriteClass<KQ_FogConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_FogConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.speedX, s.speedY);
  }
  KQ_FogConstructor();

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  float speedX = 40;  // top speeds, picture pixels per scaled second
  float speedY = 40;
};
