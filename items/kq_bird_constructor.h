// Birds: fish that never slow below 70 percent of their top speeds. A bird too slow vertically
// is turned downwards (the sign of its vertical speed is not kept).
#pragma once

#include "items/kq_fish_constructor.h"

class KQ_BirdConstructor : public CloneableSprite<KQ_BirdConstructor, KQ_FishConstructor> {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  void MoveParticle(Particle& particle) override;
};
