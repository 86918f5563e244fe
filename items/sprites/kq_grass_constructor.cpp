#include "items/sprites/kq_grass_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/random_fraction.h"
#include "items/sprites/sprite_lean.h"
#include "render/picture_layout.h"

REGISTER_DOCUMENT_CLASS(KQ_GrassConstructor);

void KQ_GrassConstructor::InitParticle(Particle& particle) {
  particle.position.x = RandomXAcrossArea();
  particle.position.y = AreaBottom() - particle.halfHeight;
  particle.velocity.z = particle.position.x;
  const double phase = RandomFraction();
  particle.velocity.y = static_cast<float>(phase * (D3DX_PI / 2));
  const float mirror = RandomIsOdd() ? -1.0f : 1.0f;
  particle.right = D3DXVECTOR3(mirror, 0, 0);
}

void KQ_GrassConstructor::MoveParticle(Particle& particle) {
  // The wave runs across the picture, so a picture without width has no wave to follow.
  const float width = static_cast<float>(CurrentViewFrame().pictureWidth);
  if (width == 0) return;
  const float wave = scaledTime + particle.velocity.y + 2 * D3DX_PI * particle.position.x / width;
  const float lean = SwayLean(swayAmplitude, wave);
  particle.up = D3DXVECTOR3(lean, 1, 0);
  particle.position.x = particle.velocity.z - particle.halfHeight * lean;
}
