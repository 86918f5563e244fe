// Lightning: flashes that appear at random places inside the area, tilted and mirrored at
// random, fade out fast, flicker back at random and go dark until the next flash. The fade
// speed and the alpha bounds of the sprite properties are not used.
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_LightingConstructor : public SpriteClass<KQ_LightingConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_LightingConstructor";
  KQ_LightingConstructor();

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;
};
