// A settings level whose section is declared once: its class name, its section version and its
// own settings in stream order. Write and Read come from that declaration; the section is the
// header, the own settings, then the base's section:
//
//   class KQ_GlowEffectCtrl : public SectionClass<KQ_GlowEffectCtrl, KQ_FXParticleSystemCtrl> {
//     static constexpr const wchar_t* ClassName = L"KQ_GlowEffectCtrl";
//     template <class Self>
//     static auto OwnSettings(Self& s) { return std::tie(s.glowColour, s.glowStrength); }
//   };
//
// A level without settings of its own still has its section (header only). A level whose
// fields depend on the section's version declares its own Read.
#pragma once

#include <tuple>

#include "document/kq_iof_item.h"
#include "document/setting_stream.h"

template <class Derived, class Base>
class SectionClass : public Base {
public:
  using Base::Base;

  static constexpr unsigned long Version = 1;
  template <class Self>
  static auto OwnSettings(Self&) {
    return std::tie();
  }

  void Write(KQ_IOF_Virtual& stream) const override {
    WriteOwnSection(stream);
    Base::Write(stream);
  }

  // The own settings stored straight in, then the base's section with its own header; the
  // version of this class's section is not consulted.
  void Read(KQ_IOF_Virtual& stream, unsigned long) {
    std::apply([&](auto&... settings) { ReadSettings(stream, settings...); },
               Derived::OwnSettings(static_cast<Derived&>(*this)));
    Base::Read(stream, ReadSectionHeader(stream));
  }

protected:
  // The header and the own settings, without the base's section.
  void WriteOwnSection(KQ_IOF_Virtual& stream) const {
    WriteSectionHeader(stream, Derived::ClassName, Derived::Version);
    std::apply([&](const auto&... settings) { WriteSettings(stream, settings...); },
               Derived::OwnSettings(static_cast<const Derived&>(*this)));
  }
};
