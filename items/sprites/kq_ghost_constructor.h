// Ghosts: slow, half-transparent fish that fade in and out between the alpha bounds and are
// born again elsewhere each time they fade out.
#pragma once

#include "items/sprites/kq_fish_constructor.h"

class KQ_GhostConstructor : public SpriteClass<KQ_GhostConstructor, KQ_FishConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_GhostConstructor";
  KQ_GhostConstructor();

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;
};
