#include "items/sprites/kq_flow_constructor.h"

#include <cmath>

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "items/particle.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_FlowConstructor);

namespace {

// Keeps the bounce drift while it still mirrors this move's velocity, else drops it.
void KeepMatchingDrift(float& drift, float velocity) {
  if (drift != 2 * velocity && drift != 0) drift = 0;
}

}  // namespace

KQ_FlowConstructor::KQ_FlowConstructor() { BindAngle(); }

KQ_FlowConstructor::KQ_FlowConstructor(const KQ_FlowConstructor& other)
    : ItemClass(other),
      angle(other.angle.Get()),
      flowSpeed(other.flowSpeed),
      orientationMode(other.orientationMode.Get()),
      direction(other.direction) {
  wobbleAmplitude.Set(other.wobbleAmplitude.Get());
  wobbleRate.Set(other.wobbleRate.Get());
  BindAngle();
}

void KQ_FlowConstructor::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, angle, wobbleAmplitude, wobbleRate, flowSpeed);
  if (version == 2) {
    // Stored as a flag: turned to the flow or upright.
    int turned = 0;
    stream.ReadInt(turned);
    orientationMode = turned ? TurnedToFlow : Upright;
  } else if (version >= 3) {
    ReadSetting(stream, orientationMode);
  }
  KQ_BaseSpriteProp::Read(stream, ReadSectionHeader(stream));
}

void KQ_FlowConstructor::InitParticle(Particle& particle) {
  particle.drift = D3DXVECTOR3(0, 0, 0);
  const double wobble = RandomFraction();
  particle.velocity = D3DXVECTOR3(0, 0, static_cast<float>(wobble * 2 - 1));
  particle.position = RandomPointInArea();
  OrientParticle(particle);
}

void KQ_FlowConstructor::OrientParticle(Particle& particle) const {
  particle.ApplyHalfSize(*this);
  particle.RefreshColour(*this);
  const D3DXVECTOR3 right(1, 0, 0);
  const D3DXVECTOR3 up(0, 1, 0);
  if (orientationMode.Get() == Upright) {
    particle.right = right;
    particle.up = up;
  } else if (orientationMode.Get() == TurnedToFlow) {
    D3DXVec3TransformCoord(&particle.right, &right, &rotation);
    D3DXVec3TransformCoord(&particle.up, &up, &rotation);
  }
}

void KQ_FlowConstructor::MoveParticle(Particle& particle) {
  const float wobble = particle.velocity.z;  // the particle's wobble factor, -1..1
  const float amplitude = wobbleAmplitude.Result();
  const float velocityX =
      (normal.x * wobble * amplitude + direction.x) * particle.sizeFactor + particle.drift.x;
  const float velocityY =
      (normal.y * wobble * amplitude + direction.y) * particle.sizeFactor + particle.drift.y;
  particle.position.x += timeStep * velocityX;
  particle.position.y += timeStep * velocityY;

  // Vertical first: a sprite that wraps vertically gets its new x before the horizontal test.
  WrapOrBounceVertically(particle, velocityY);
  WrapOrBounceHorizontally(particle, velocityX);

  if (orientationMode.Get() == FacingSideways) {
    particle.right = D3DXVECTOR3(std::copysign(1.0f, velocityX), 0, 0);
    particle.up = D3DXVECTOR3(0, 1, 0);
  } else if (orientationMode.Get() == FacingUpOrDown) {
    particle.right = D3DXVECTOR3(1, 0, 0);
    particle.up = D3DXVECTOR3(0, std::copysign(1.0f, velocityY), 0);
  }

  // A rate of 0 waits for ever (1 / 0 is infinite).
  if (scaledTime - particle.lastChange > 1.0f / wobbleRate.Result()) {
    particle.lastChange = scaledTime;
    if (RandomIsOdd()) {
      const double wobble = RandomFraction();
      particle.velocity.z = static_cast<float>(wobble * 2 - 1);
    }
  }
}

void KQ_FlowConstructor::WrapOrBounceVertically(Particle& particle, float velocityY) {
  D3DXVECTOR3& position = particle.position;
  const float top = AreaTop(), bottom = AreaBottom();
  const float height = bottom - top;
  if (topFraction <= 0 && bottomFraction >= 1) {
    if (particle.IsBelowArea(*this)) {
      position.y = position.y - height - 2 * particle.halfHeight;
    } else if (particle.IsAboveArea(*this)) {
      position.y = position.y + height + 2 * particle.halfHeight;
    } else {
      return;
    }
    position.x = RandomXAcrossArea();
    return;
  }
  KeepMatchingDrift(particle.drift.y, velocityY);
  if (position.y + particle.halfHeight > bottom) {
    particle.drift.y -= 2 * velocityY;
    position.y = bottom - particle.halfHeight - 1;
  } else if (particle.CrossesTop(*this)) {
    particle.drift.y -= 2 * velocityY;
    position.y = top + particle.halfHeight + 1;
  }
}

void KQ_FlowConstructor::WrapOrBounceHorizontally(Particle& particle, float velocityX) {
  D3DXVECTOR3& position = particle.position;
  const float left = AreaLeft(), right = AreaRight();
  const float width = right - left;
  if (leftFraction <= 0 && rightFraction >= 1) {
    if (particle.IsLeftOfArea(*this)) {
      position.x = position.x + width + 2 * particle.halfWidth;
    } else if (particle.IsRightOfArea(*this)) {
      position.x = position.x - width - 2 * particle.halfWidth;
    } else {
      return;
    }
    position.y = RandomYDownArea();
    return;
  }
  KeepMatchingDrift(particle.drift.x, velocityX);
  if (position.x - particle.halfWidth < left) {
    particle.drift.x -= 2 * velocityX;
    position.x = left + particle.halfWidth + 1;
  } else if (particle.CrossesRight(*this)) {
    particle.drift.x -= 2 * velocityX;
    position.x = right - particle.halfWidth - 1;
  }
}

void KQ_FlowConstructor::BindAngle() {
  bindings_.BindFunLightCtrl(&KQ_FlowConstructor::OnAngleChanged, angle);
}

void KQ_FlowConstructor::OnAngleChanged(unsigned int degrees) {
  const float turn = static_cast<float>(360 - static_cast<int>(degrees)) * D3DX_PI / 180.0f;
  D3DXMatrixRotationZ(&rotation, turn);
  const D3DXVECTOR4 along(flowSpeed, 0, 0, 0);
  const D3DXVECTOR4 across(0, 1, 0, 0);
  D3DXVec4Transform(&direction, &along, &rotation);
  D3DXVec4Transform(&normal, &across, &rotation);
}
