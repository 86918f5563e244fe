// The settings of the particle systems whose particles are drawn through an
// HLSL effect instead of the plain sprite path: the sprite properties plus one
// effect file and the effect made from it. The run-time object calls
// LoadResources once, on the copy it owns; each class loads its own textures
// there after the effect.
//
// Copies share the effect (a reference each). Not a class of its own in
// documents.
#pragma once

#include <d3dx9effect.h>

#include "document/file_link.h"
#include "items/kq_particle_system_ctrl.h"
#include "items/section_class.h"
#include "render/com_holder.h"

// The effect link, then the sprite properties' section.
class KQ_FXParticleSystemCtrl
    : public SectionClass<KQ_FXParticleSystemCtrl, KQ_ParticleSystemCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_FXParticleSystemCtrl";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.effectFile);
  }

  // The effect of the link from CurrentDocResManager; null when it cannot be
  // made.
  virtual void LoadResources();

  ID3DXEffect* Effect() const { return effect_.Get(); }

  KQ_HLSLEffectFile effectFile;

private:
  ComHolder<ID3DXEffect> effect_;
};
