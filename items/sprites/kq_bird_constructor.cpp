#include "items/sprites/kq_bird_constructor.h"

#include <cmath>

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_BirdConstructor);

namespace {
constexpr float SlowestShare = 0.7f;  // of the top speed
}  // namespace

void KQ_BirdConstructor::MoveParticle(Particle& particle) {
  KQ_FishConstructor::MoveParticle(particle);
  D3DXVECTOR3& velocity = particle.velocity;
  if (std::fabs(velocity.y) < SlowestShare * speedY)
    velocity.y = SlowestShare * speedY + velocity.y * 0.3f / SlowestShare;
  if (std::fabs(velocity.x) < SlowestShare * speedX) {
    const double r = RandomFraction();
    const float slowest = SlowestShare * speedX;
    velocity.x = std::copysign(static_cast<float>(slowest + r * (speedX - slowest)), velocity.x);
  }
}
