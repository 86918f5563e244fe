#include "items/sprites/kq_ghost_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/sprites/particle_pulse.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_GhostConstructor);

KQ_GhostConstructor::KQ_GhostConstructor() {
  speedX = 50;
  speedY = 50;
  fadeSpeed = 0.66f;
  transparency.Set(50);
  minSizeFactor = 1;
  maxSizeFactor = 1;
}

void KQ_GhostConstructor::InitParticle(Particle& particle) {
  KQ_FishConstructor::InitParticle(particle);
  const double alpha = RandomFraction();
  particle.alpha = static_cast<float>(alpha);
}

void KQ_GhostConstructor::MoveParticle(Particle& particle) {
  KQ_FishConstructor::MoveParticle(particle);
  Pulse(*this, particle, AtMinimumAlpha::Respawn);
  particle.RefreshColour(*this);
}
