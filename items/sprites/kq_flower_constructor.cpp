#include "items/sprites/kq_flower_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/sprites/sprite_lean.h"

REGISTER_DOCUMENT_CLASS(KQ_FlowerConstructor);

void KQ_FlowerConstructor::MoveParticle(Particle& particle) {
  // Nothing sets a flower's phase (velocity y), so it stays 0.
  const float lean = SwayLean(swayAmplitude, scaledTime + particle.velocity.y);
  const D3DXVECTOR3 leaning(lean, 1, 0);
  D3DXVec3TransformCoord(&particle.up, &leaning, &rotationMatrix);
  particle.position.x = CentreX() - particle.right.x * particle.halfHeight * lean;
  particle.position.y = CentreY() - particle.right.y * particle.halfHeight * lean;
}
