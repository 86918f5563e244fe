#include "items/sprites/kq_lighting_constructor.h"

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_LightingConstructor);

namespace {
constexpr float FadePerSecond = 6;     // a flash at full alpha is dark after 1/6 s
constexpr float DarkPause = 1.0f;      // scaled seconds between chances of a new flash
constexpr float FlickerPause = 0.15f;  // scaled seconds between chances of a flicker
}  // namespace

KQ_LightingConstructor::KQ_LightingConstructor() {
  additive = 1;
  storedFlag = true;
}

void KQ_LightingConstructor::InitParticle(Particle& particle) {
  particle.ApplyHalfSize(*this);
  particle.position = RandomPointInsetInArea(particle.halfWidth, particle.halfHeight);
  const double tilt = RandomFraction();
  D3DXMATRIX turn;
  D3DXMatrixRotationZ(&turn, static_cast<float>(tilt * (D3DX_PI / 4) - D3DX_PI / 8));
  const float mirror = RandomIsOdd() ? -1.0f : 1.0f;
  const D3DXVECTOR3 right(mirror, 0, 0);
  const D3DXVECTOR3 up(0, 1, 0);
  D3DXVec3TransformCoord(&particle.right, &right, &turn);
  D3DXVec3TransformCoord(&particle.up, &up, &turn);
  particle.alpha = 0;
}

void KQ_LightingConstructor::MoveParticle(Particle& particle) {
  if (particle.alpha == 0) {
    if (scaledTime - particle.lastChange > DarkPause) {
      particle.lastChange = scaledTime;
      if (RandomIsOdd()) {
        InitParticle(particle);
        particle.alpha = 1;
      }
    }
  } else {
    particle.alpha -= FadePerSecond * timeStep;
    if (scaledTime - particle.lastChange > FlickerPause) {
      particle.lastChange = scaledTime;
      if (RandomIsOdd()) particle.alpha = 1;
    }
  }
  if (particle.alpha < 0) {
    particle.alpha = 0;
    particle.lastChange = scaledTime;
  }
  particle.RefreshColour(*this);
}
