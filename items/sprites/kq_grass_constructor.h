// Grass: blades standing on the area's bottom edge, mirrored at random, swaying in a wave that
// runs across the picture. A blade's foot stays at its rest point while its top leans by up to
// the sway amplitude either way. The velocity keeps the blade's rest x (z) and phase (y).
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_GrassConstructor : public SpriteClass<KQ_GrassConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_GrassConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.swayAmplitude);
  }

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  float swayAmplitude = 3;  // degrees either side of upright
};
