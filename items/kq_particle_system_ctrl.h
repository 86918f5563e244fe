// The level every particle settings class derives from. It adds no setting and no section; it
// makes the item of the moving sprite classes (a sprite object around a copy of the settings),
// which the shader classes replace with their own.
#pragma once

#include <memory>
#include <tuple>

#include "document/setting_stream.h"
#include "items/kq_base_sprite_prop.h"

class KQ_ParticleSystemCtrl : public KQ_BaseSpriteProp {
public:
  std::unique_ptr<KQ_ABObj> CreateObject() override;
};

// What a particle class is built on: its Clone (a heap copy by its copy constructor), and its
// section, made from one declaration of its class name, version and own settings in stream
// order, followed by its base's section:
//
//   class KQ_FishConstructor : public SpriteClass<KQ_FishConstructor> {
//     static constexpr const wchar_t* ClassName = L"KQ_FishConstructor";
//     template <class Self>
//     static auto OwnSettings(Self& s) { return std::tie(s.speedX, s.speedY); }
//   };
template <class Derived, class Base = KQ_ParticleSystemCtrl>
class SpriteClass : public Base {
public:
  static constexpr unsigned long Version = 1;
  template <class Self>
  static auto OwnSettings(Self&) {
    return std::tie();
  }

  std::unique_ptr<KQ_BaseSpriteProp> Clone() const override {
    return std::make_unique<Derived>(Self());
  }

  void Write(KQ_IOF_Virtual& stream) const override {
    WriteSectionHeader(stream, Derived::ClassName, Derived::Version);
    std::apply([&](const auto&... settings) { WriteSettings(stream, settings...); },
               Derived::OwnSettings(Self()));
    Base::Write(stream);
  }

  // The own settings stored straight in, then the base's section with its own header; the
  // version of this class's section is not consulted.
  void Read(KQ_IOF_Virtual& stream, unsigned long) {
    std::apply([&](auto&... settings) { ReadSettings(stream, settings...); },
               Derived::OwnSettings(static_cast<Derived&>(*this)));
    Base::Read(stream, ReadSectionHeader(stream));
  }

private:
  const Derived& Self() const { return static_cast<const Derived&>(*this); }
};
