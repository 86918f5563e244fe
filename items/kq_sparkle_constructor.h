// Sparkles: small square glints that drift slowly, pulse, and grow with their brightness from
// half their size when dark to their full size at full alpha; each is born again elsewhere
// when it fades out.
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_SparkleConstructor : public CloneableSprite<KQ_SparkleConstructor> {
public:
  KQ_SparkleConstructor();

  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;
};
