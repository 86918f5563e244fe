#include "items/sprites/kq_sparkle_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/sprites/particle_pulse.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_SparkleConstructor);

KQ_SparkleConstructor::KQ_SparkleConstructor() { storedFlag = true; }

void KQ_SparkleConstructor::InitParticle(Particle& particle) {
  const double vx = RandomFraction();
  const double vy = RandomFraction();
  particle.velocity = D3DXVECTOR3(static_cast<float>(vx * 50 - 25),
                                  static_cast<float>(vy * 50 - 25), 0);
  particle.drift = D3DXVECTOR3(0, 0, 0);
  particle.position = RandomPointInArea();
  const double alpha = RandomFraction();
  particle.alpha = static_cast<float>(alpha);
}

void KQ_SparkleConstructor::MoveParticle(Particle& particle) {
  particle.position.x += particle.velocity.x * timeStep;
  particle.position.y += particle.velocity.y * timeStep;
  Pulse(*this, particle, AtMinimumAlpha::Respawn);
  particle.RefreshColour(*this);
  // Square whatever the image's aspect.
  const float half = static_cast<float>(size.Get()) * particle.sizeFactor * 0.5f;
  particle.halfWidth = particle.halfHeight = half * 0.5f * (1 + particle.alpha);
}
