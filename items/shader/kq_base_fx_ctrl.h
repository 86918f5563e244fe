// The level of the single-object shader effects (the explosion): no settings of
// its own, but a section of its own in front of the effect particle section.
#pragma once

#include "items/section_class.h"
#include "items/shader/kq_fx_particle_system_ctrl.h"

class KQ_BaseFXCtrl : public SectionClass<KQ_BaseFXCtrl, KQ_FXParticleSystemCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_BaseFXCtrl";
};
