#include "items/sprites/kq_fish_constructor.h"

#include <cmath>

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_FishConstructor);

namespace {
constexpr float CoursePause = 1.0f;  // application seconds between chances of a new course
}  // namespace

void KQ_FishConstructor::InitParticle(Particle& particle) {
  const double vx = RandomFraction();
  particle.velocity.x = static_cast<float>(-speedX + vx * 2 * speedX);
  const double vy = RandomFraction();
  particle.velocity.y = static_cast<float>(-speedY + vy * 2 * speedY);
  particle.velocity.z = 0;
  particle.drift = D3DXVECTOR3(0, 0, 0);
  particle.position = RandomPointInArea();
  FaceDirection(particle);
}

void KQ_FishConstructor::MoveParticle(Particle& particle) {
  D3DXVECTOR3& velocity = particle.velocity;
  particle.position.x += velocity.x * timeStep;
  particle.position.y += velocity.y * timeStep;

  if (particle.IsLeftOfArea(*this)) {
    velocity.x = std::fabs(velocity.x);
    particle.halfWidth = std::fabs(particle.halfWidth);
  } else if (particle.IsRightOfArea(*this)) {
    velocity.x = -std::fabs(velocity.x);
    particle.halfWidth = -std::fabs(particle.halfWidth);
  }

  if (particle.CrossesTop(*this)) {
    velocity.y = std::fabs(velocity.y);
  } else if (particle.CrossesBottom(*this)) {
    velocity.y = -std::fabs(velocity.y);
  }

  if (lastTime - particle.lastChange > CoursePause) {
    particle.lastChange = lastTime;
    if (RandomIsOdd()) {
      // A new speed with the same heading, so the mirroring stays right.
      const double vx = RandomFraction();
      velocity.x = std::copysign(static_cast<float>(-speedX + vx * 2 * speedX), velocity.x);
      const double vy = RandomFraction();
      velocity.y = static_cast<float>(-speedY + vy * 2 * speedY);
      velocity.z = 0;
    }
  }
}

void KQ_FishConstructor::FaceDirection(Particle& particle) const {
  particle.ApplyHalfSize(*this);
  particle.RefreshColour(*this);
  if (particle.velocity.x < 0) particle.halfWidth = -particle.halfWidth;
}
