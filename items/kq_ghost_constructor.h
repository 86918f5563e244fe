// Ghosts: slow, half-transparent fish that fade in and out between the alpha bounds and are
// born again elsewhere each time they fade out.
#pragma once

#include "items/kq_fish_constructor.h"

class KQ_GhostConstructor : public CloneableSprite<KQ_GhostConstructor, KQ_FishConstructor> {
public:
  KQ_GhostConstructor();

  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;
};
