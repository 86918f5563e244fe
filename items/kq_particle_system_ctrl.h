// The level every particle settings class derives from. It adds no setting and no section; it
// makes the item of the moving sprite classes (a sprite object around a copy of the settings),
// which the shader classes replace with their own.
#pragma once

#include <memory>

#include "items/item_class.h"
#include "items/kq_base_sprite_prop.h"

class KQ_ParticleSystemCtrl : public KQ_BaseSpriteProp {
public:
  std::unique_ptr<KQ_ABObj> CreateObject() override;
};

// What a particle class is built on (see ItemClass): its Clone and its section, made from one
// declaration of its class name, version and own settings in stream order:
//
//   class KQ_FishConstructor : public SpriteClass<KQ_FishConstructor> {
//     static constexpr const wchar_t* ClassName = L"KQ_FishConstructor";
//     template <class Self>
//     static auto OwnSettings(Self& s) { return std::tie(s.speedX, s.speedY); }
//   };
template <class Derived, class Base = KQ_ParticleSystemCtrl>
using SpriteClass = ItemClass<Derived, Base>;
