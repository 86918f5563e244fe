#include "items/sprites/kq_fog_constructor.h"

#include <cmath>

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/sprites/particle_pulse.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_FogConstructor);

KQ_FogConstructor::KQ_FogConstructor() {
  minAlpha = 0.2f;
  maxAlpha = 1;
  transparency.Set(50);
}

void KQ_FogConstructor::InitParticle(Particle& particle) {
  particle.position = RandomPointInArea();
  const double vx = RandomFraction();
  particle.velocity.x = static_cast<float>(-speedX + vx * 2 * speedX);
  const double vy = RandomFraction();
  particle.velocity.y = static_cast<float>(-speedY + vy * 2 * speedY);
  const double alpha = RandomFraction();
  particle.alpha = static_cast<float>(alpha);
  const double turn = RandomFraction();
  D3DXMatrixRotationZ(&particle.rotationStep, static_cast<float>(turn * 0.008 - 0.004));
}

void KQ_FogConstructor::MoveParticle(Particle& particle) {
  D3DXVECTOR3& position = particle.position;
  D3DXVECTOR3& velocity = particle.velocity;
  position.x += velocity.x * timeStep;
  position.y += velocity.y * timeStep;
  Pulse(*this, particle, AtMinimumAlpha::Reverse);
  // The centre turns back once it is outside, so a patch never jumps.
  if (AreaBottom() < position.y) velocity.y = -std::fabs(velocity.y);
  if (AreaTop() > position.y) velocity.y = std::fabs(velocity.y);
  if (AreaLeft() > position.x) velocity.x = std::fabs(velocity.x);
  if (AreaRight() < position.x) velocity.x = -std::fabs(velocity.x);
  const D3DXVECTOR3 right = particle.right;
  const D3DXVECTOR3 up = particle.up;
  D3DXVec3TransformCoord(&particle.right, &right, &particle.rotationStep);
  D3DXVec3TransformCoord(&particle.up, &up, &particle.rotationStep);
  particle.RefreshColour(*this);
}
