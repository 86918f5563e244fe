// The level every particle settings class derives from. It adds no setting and no section; it
// makes the item of the moving sprite classes (a sprite object around a copy of the settings),
// which the single-sprite and shader classes replace with their own.
#pragma once

#include "items/kq_base_sprite_prop.h"

class KQ_ParticleSystemCtrl : public KQ_BaseSpriteProp {
public:
  std::unique_ptr<KQ_ABObj> CreateObject() override;
};

// Gives a particle class its Clone (a heap copy by its copy constructor) on top of its base:
//
//   class KQ_BirdConstructor : public CloneableSprite<KQ_BirdConstructor, KQ_FishConstructor>
template <class Derived, class Base = KQ_ParticleSystemCtrl>
class CloneableSprite : public Base {
public:
  std::unique_ptr<KQ_BaseSpriteProp> Clone() const override {
    return std::make_unique<Derived>(static_cast<const Derived&>(*this));
  }
};
