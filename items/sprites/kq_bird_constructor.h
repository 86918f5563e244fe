// Birds: fish that never slow below 70 percent of their top speeds. A bird too slow vertically
// is turned downwards (the sign of its vertical speed is not kept).
#pragma once

#include "items/sprites/kq_fish_constructor.h"

class KQ_BirdConstructor : public SpriteClass<KQ_BirdConstructor, KQ_FishConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_BirdConstructor";

  void MoveParticle(Particle& particle) override;
};
