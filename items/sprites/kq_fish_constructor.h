// Fish: sprites that swim about the area at random speeds, face the way they swim (the image
// faces right; a fish swimming left is drawn mirrored), turn round only once they have left the
// area sideways, and bounce off its top and bottom at once. About once per second of
// application time (not scaled time) a fish may change course, keeping its horizontal heading.
#pragma once

#include "items/kq_particle_system_ctrl.h"

class KQ_FishConstructor : public SpriteClass<KQ_FishConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_FishConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.speedX, s.speedY);
  }

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  float speedX = 80;  // top speeds, picture pixels per scaled second
  float speedY = 50;

protected:
  // Half sizes and colour, mirrored when swimming left.
  void FaceDirection(Particle& particle) const;
};
