// Sparkles: small square glints that drift slowly, pulse, and grow with their brightness from
// half their size when dark to their full size at full alpha; each is born again elsewhere
// when it fades out.
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_SparkleConstructor : public SpriteClass<KQ_SparkleConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_SparkleConstructor";
  KQ_SparkleConstructor();

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;
};
