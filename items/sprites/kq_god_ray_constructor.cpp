#include "items/sprites/kq_god_ray_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/random_fraction.h"
#include "items/sprites/particle_pulse.h"
#include "items/sprites/sprite_lean.h"
#include "render/picture_layout.h"

REGISTER_DOCUMENT_CLASS(KQ_GodRayConstructor);

void KQ_GodRayConstructor::InitParticle(Particle& particle) {
  particle.drift = D3DXVECTOR3(0, 0, 0);
  particle.position.x = RandomXAcrossArea();
  // Half the area's height: the row is measured from the picture's top, not the area's.
  particle.position.y = (AreaBottom() - AreaTop()) * 0.5f;
  particle.position.z = 0;
  const double drift = RandomFraction();
  particle.velocity = D3DXVECTOR3(static_cast<float>(drift * 20 - 10), 0, 0);
  ShapeRay(particle);
  const double alpha = RandomFraction();
  particle.alpha = static_cast<float>(alpha);
}

void KQ_GodRayConstructor::MoveParticle(Particle& particle) {
  if (scaledTime - particle.lastChange > 0.25f) {
    particle.lastChange = scaledTime;
    if (RandomIsOdd()) {
      const double drift = RandomFraction();
      particle.velocity = D3DXVECTOR3(static_cast<float>(drift * 20 - 10), 0, 0);
    }
  }
  particle.position.x += particle.velocity.x * timeStep;
  particle.position.y += particle.velocity.y * timeStep;
  Pulse(*this, particle, AtMinimumAlpha::Respawn);
  particle.RefreshColour(*this);
}

void KQ_GodRayConstructor::ShapeRay(Particle& particle) const {
  particle.halfWidth = static_cast<float>(size.Get()) * 0.5f;
  particle.halfHeight = static_cast<float>(CurrentViewFrame().pictureHeight) * 0.5f;
  // Angles a and a + 180 give the same ray.
  const float fromHorizontal = 180.0f - static_cast<float>(angle.Get() % 180);
  particle.up = D3DXVECTOR3(LeanAtAngle(fromHorizontal), 1, 0);
}
