#include "items/sprites/kq_rain_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/sprites/particle_pulse.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_RainConstructor);

KQ_RainConstructor::KQ_RainConstructor() {
  // Assigned: the angle's binding does not run, so the copy of a run-time item derives its
  // direction from these settings when it binds its own angle.
  angle = 270;
  wobbleAmplitude.Set(0);
  flowSpeed = 2000;
  minSizeFactor = 0.5f;
  maxSizeFactor = 1;
  orientationMode = TurnedToFlow;
  D3DXMatrixRotationZ(&secondRotation, 3 * D3DX_PI / 2);
}

void KQ_RainConstructor::InitParticle(Particle& particle) {
  KQ_FlowConstructor::InitParticle(particle);
  const double alpha = RandomFraction();
  particle.alpha = static_cast<float>(alpha);
  OrientParticle(particle);
  if (orientationMode.Get() == TurnedToFlow) {
    const D3DXVECTOR3 right = particle.right;
    const D3DXVECTOR3 up = particle.up;
    D3DXVec3TransformCoord(&particle.right, &right, &secondRotation);
    D3DXVec3TransformCoord(&particle.up, &up, &secondRotation);
  }
}

void KQ_RainConstructor::MoveParticle(Particle& particle) {
  KQ_FlowConstructor::MoveParticle(particle);
  Pulse(*this, particle, AtMinimumAlpha::Respawn);
  particle.RefreshColour(*this);
}
