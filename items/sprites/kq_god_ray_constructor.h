// God rays: tall rays, as tall as the picture, leaning by the angle setting; they slide
// sideways at a speed that changes at random and pulse, and each is born again elsewhere when
// it fades out.
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_GodRayConstructor : public SpriteClass<KQ_GodRayConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_GodRayConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.angle);
  }

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  MediaParamT<unsigned int> angle{80};  // degrees counter-clockwise from the picture's x axis

private:
  // Half the size wide, half the picture high, leaning by the angle.
  void ShapeRay(Particle& particle) const;
};
