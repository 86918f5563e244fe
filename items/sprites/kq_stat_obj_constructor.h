// A still picture: one sprite placed by a centre point and turned by an angle. It is the base
// of the single-sprite classes, whose area is a rectangle of their own that follows the drawn
// sprite (its bounding box, with the centre in the two extra values). Every particle sits on
// the same centre, so such items are meant to have a count of 1.
#pragma once

#include <d3dx9math.h>

#include "document/media_rectangle.h"
#include "items/kq_particle_system_ctrl.h"

class KQ_StatObjConstructor : public SpriteClass<KQ_StatObjConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_StatObjConstructor";
  static constexpr unsigned long Version = 2;
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.placement, s.rotation);
  }

  // The own settings as the version has them, then the sprite properties.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  void InitParticle(Particle& particle) override;

  // The sprite's centre in picture pixels.
  int CentreX() const { return placement.first_extra.Get(); }
  int CentreY() const { return placement.second_extra.Get(); }

  MediaRectangle placement;                // bounding box, then the centre x and y
  MediaParamT<unsigned int> rotation{0};   // degrees counter-clockwise on the picture
  D3DXMATRIX rotationMatrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

private:
  // On the centre, turned by the rotation, with the placement fitted round it.
  void PlaceSprite(Particle& particle);
  void FitRectangleToSprite(const Particle& particle);
};
