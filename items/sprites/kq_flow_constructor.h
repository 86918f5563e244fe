// Flowing sprites: they cross the area in one direction at a speed proportional to their size
// factor (bigger ones pass faster, as if nearer), with a sideways wobble that changes at
// random. In an area spanning the whole picture along an axis they leave at one side and come
// back at the other; otherwise they bounce off the area's edges. They can be drawn upright,
// turned to the flow, or mirrored to face their motion.
//
// The bounce works through the drift: subtracting twice this move's velocity makes the next
// move its mirror image, and the drift stays while it still equals twice the velocity. Once the
// wobble changes the velocity the drift is dropped and the sprite resumes the flow direction.
#pragma once

#include <d3dx9math.h>

#include "document/scaled_param.h"
#include "items/kq_particle_system_ctrl.h"

class KQ_FlowConstructor : public SpriteClass<KQ_FlowConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_FlowConstructor";
  static constexpr unsigned long Version = 3;
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.angle, s.wobbleAmplitude, s.wobbleRate, s.flowSpeed, s.orientationMode);
  }

  enum Orientation {
    Upright = 0,
    TurnedToFlow = 1,    // the image's +x side points along the flow
    FacingSideways = 2,  // mirrored left to right by the sign of the horizontal motion
    FacingUpOrDown = 3,  // mirrored top to bottom by the sign of the vertical motion
  };

  KQ_FlowConstructor();
  // The copy binds its own angle, so its derived direction follows its settings.
  KQ_FlowConstructor(const KQ_FlowConstructor& other);

  // The own settings as the version has them, then the sprite properties.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  // Half sizes, colour, and the axes of the upright and turned modes.
  void OrientParticle(Particle& particle) const;

  MediaParamT<unsigned int> angle{0};        // flow direction, degrees counter-clockwise
  MediaFloat<unsigned int> wobbleAmplitude{0, 3.0f};  // result: sideways pixels per second
  MediaFloat<unsigned int> wobbleRate{0, 0.25f};      // result: wobble changes per second
  float flowSpeed = 0;                       // picture pixels per second at size factor 1
  MediaParamT<int> orientationMode{Upright};
  D3DXVECTOR4 direction{0, 0, 0, 0};         // flow speed along the angle
  D3DXVECTOR4 normal{0, 1, 0, 0};            // the sideways direction
  D3DXMATRIX rotation;                       // turns the image's +x to the flow

private:
  void BindAngle();
  void OnAngleChanged(unsigned int degrees);
  void WrapOrBounceVertically(Particle& particle, float velocityY);
  void WrapOrBounceHorizontally(Particle& particle, float velocityX);

  OwnedControlList<KQ_FlowConstructor> bindings_{this};
};
