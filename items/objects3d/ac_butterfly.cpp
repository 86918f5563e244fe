#include "items/objects3d/ac_butterfly.h"

#include <cmath>
#include <cstdlib>

#include "items/objects3d/kq_butterfly_constructor.h"
#include "items/random_fraction.h"
#include "render/matrices.h"
#include "render/random_range.h"

namespace {

constexpr float DecisionInterval = 0.25f;  // item seconds between manoeuvres

}  // namespace

AC_Butterfly::AC_Butterfly(KQ_ButterflyConstructor& butterflySettings)
    : settings(butterflySettings), position(settings.RandomPointInArea()) {
  const float start = static_cast<float>(RandomFraction() * 360.0);
  heading = Ramp{start, start, 350};
  D3DXMatrixRotationX(&tilt, D3DXToRadian(10.0f));
  D3DXMatrixScaling(&mirror, -1, 1, 1);
  bindings_.BindFunLightCtrl(&AC_Butterfly::OnSizeChanged, settings.objectSize);
}

void AC_Butterfly::OnSizeChanged(unsigned int objectSize) {
  const float scale = static_cast<float>(objectSize) / 100;
  D3DXMatrixScaling(&size, scale, scale, scale);
}

void AC_Butterfly::Animate(KQ_Frame& frame) {
  const float dt = settings.timeStep;
  D3DXMATRIX m = Steer(frame.local);
  Flap();
  m = Translation(D3DXVECTOR3(0, -flapAngle / 15, 0)) * m;
  Move(dt);
  m = m * Translation(position);
  climb.Advance(dt);
  bank.Advance(dt);
  heading.Advance(dt);
  forward.Advance(dt);
  KeepToArea();
  if (currentMode != requestedMode) {
    ChangeMode();
  } else if (settings.scaledTime - lastDecisionTime > DecisionInterval) {
    Decide();
  }
  frame.world = size * m;
}

// Heading, then the bank into a turn, the pitch of slow flight and the constant tilt.
D3DXMATRIX AC_Butterfly::Steer(const D3DXMATRIX& local) {
  D3DXMATRIX m = RotationY(D3DXToRadian(heading.current)) * local;
  const float turn = heading.current - heading.target;
  if (turn < -5) {
    bank.SetTarget(25, 0);
  } else if (turn > 5) {
    bank.SetTarget(-25, 0);
  }
  if (forward.current < 100) m = RotationX(D3DXToRadian((1 - forward.current / 100) * 15)) * m;
  m = tilt * m;
  m = RotationZ(D3DXToRadian(bank.current)) * m;
  if (bank.current == bank.target) bank.SetTarget(0, 0);
  return m;
}

// The wing beat: up fast, down slower, between the limits; the wings follow its sign.
void AC_Butterfly::Flap() {
  flapAngle += settings.timeStep * 7 * flapSpeed;
  if (flapAngle > flapUpper) flapSpeed = -160;
  if (flapAngle < flapLower) flapSpeed = 100;
  wingA->wingMatrix = RotationZ(D3DXToRadian(flapAngle));
  wingB->wingMatrix = wingA->wingMatrix * mirror;
  wingA->windingFlag = flapAngle > 0;
  wingB->windingFlag = flapAngle < 0;
}

// Forward along the heading (the depth it gives is dropped), and climbing or sinking.
void AC_Butterfly::Move(float dt) {
  const D3DXVECTOR3 ahead(forward.current, 0, 0);
  D3DXVECTOR3 velocity;
  const D3DXMATRIX turn = RotationY(D3DXToRadian(heading.current));
  D3DXVec3TransformCoord(&velocity, &ahead, &turn);
  velocity.y = climb.current;
  position += velocity * dt;
  position.z = 0;
}

void AC_Butterfly::KeepToArea() {
  if (settings.AreaTop() > position.y) {
    requestedMode = Gliding;
    climb.SetTarget(100, 0);
  } else if (settings.AreaBottom() < position.y) {
    requestedMode = Flapping;
    climb.SetTarget(-190, 0);
  }
  if (settings.AreaLeft() > position.x) {
    heading.SetTarget(0, 350);
    forward.SetTarget(300, 0);
  } else if (settings.AreaRight() < position.x) {
    heading.SetTarget(-180, 350);
    forward.SetTarget(300, 0);
  }
}

// A glide starts once the wings are down; flapping starts at once with a fresh beat.
void AC_Butterfly::ChangeMode() {
  if (requestedMode == Gliding) {
    flapUpper = 0;
    if (flapAngle < flapLower / 2) {
      currentMode = Gliding;
      flapSpeed = -std::fabs(flapSpeed) / 100;
    }
  } else {
    currentMode = Flapping;
    flapUpper = -flapLower;
    flapSpeed = forward.current > 20 ? RandomRange(-160, forward.current / 3 - 50) : 160;
  }
}

void AC_Butterfly::Decide() {
  switch (std::rand() % 5) {
    case 0:
      requestedMode = Flapping;
      climb.SetTarget(RandomRange(-190, 0), 0);
      break;
    case 1:
      requestedMode = Gliding;
      climb.SetTarget(RandomRange(100, 150), 0);
      break;
    case 2:
      requestedMode = Flapping;
      forward.SetTarget(RandomRange(-25, 300), 0);
      break;
    default:
      if (currentMode == Flapping && heading.current == heading.target) {
        // Turn to fly roughly right (+x) or roughly left.
        const bool towardsRight = RandomIsOdd();
        const float rate = RandomRange(50, 350);
        const float target = towardsRight ? RandomRange(-25, 25) : RandomRange(155, 205);
        heading.SetTarget(target, rate);
      }
      break;
  }
  lastDecisionTime = settings.scaledTime;
}
