// The level of the single-object shader effects (the explosion): no settings of
// its own, but a section of its own in front of the effect particle section.
#pragma once

#include "items/shader/kq_fx_particle_system_ctrl.h"

class KQ_BaseFXCtrl : public KQ_FXParticleSystemCtrl {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
  // The "KQ_FXParticleSystemCtrl" section, header included.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);
};
