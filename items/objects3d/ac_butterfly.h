// One butterfly's flight, run on its body frame once per item update. It flaps (or, between
// flaps, glides), turns with a bank into the turn, pitches up when slow, bobs with the wing
// beat, keeps to the item's area, and every quarter second of item time may pick a new
// manoeuvre at random. The wings' animators are set from here; wing B is wing A mirrored.
//
// Positions are picture pixels; the heading is degrees about the vertical axis (0 flies to +x,
// 180 to -x, 90 and 270 straight into or out of the picture, where only climbing shows).
#pragma once

#include <memory>

#include "document/owned_control_list.h"
#include "items/objects3d/ac_butterfly_wing.h"
#include "items/objects3d/ramp.h"

class KQ_ButterflyConstructor;

class AC_Butterfly : public KQ_AnimationBase {
public:
  enum Mode : int { Flapping = 0, Gliding = 1 };

  // Starts at a random point of the area (x, y drawn first) with a random heading, flapping.
  explicit AC_Butterfly(KQ_ButterflyConstructor& settings);

  void Animate(KQ_Frame& frame) override;

  KQ_ButterflyConstructor& settings;
  std::shared_ptr<AC_ButterflyWing> wingA = std::make_shared<AC_ButterflyWing>();
  std::shared_ptr<AC_ButterflyWing> wingB = std::make_shared<AC_ButterflyWing>();
  float flapAngle = 0;      // degrees
  float flapSpeed = 100;    // degrees per 1/7 unit of item time
  float flapUpper = 55;     // degrees
  float flapLower = -55;
  D3DXVECTOR3 position;     // picture pixels
  Ramp climb{50, 50, 250};  // vertical speed, pixels per unit of item time, positive down
  Ramp heading;             // degrees
  Ramp bank{0, 0, 50};      // degrees
  Ramp forward{50, 50, 350};  // pixels per unit of item time
  D3DXMATRIX tilt;          // the body's constant nose-down tilt
  D3DXMATRIX mirror;        // turns wing A's flap into wing B's
  D3DXMATRIX size;          // uniform scaling by object size / 100
  int currentMode = Flapping;
  int requestedMode = Flapping;
  float lastDecisionTime = 0;  // item time

private:
  void OnSizeChanged(unsigned int objectSize);
  D3DXMATRIX Steer(const D3DXMATRIX& local);
  void Flap();
  void Move(float dt);
  void KeepToArea();
  void ChangeMode();
  void Decide();

  OwnedControlList<AC_Butterfly> bindings_{this};
};
