#include "items/sprites/kq_stat_obj_constructor.h"

#include <cmath>

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "items/particle.h"

REGISTER_DOCUMENT_CLASS(KQ_StatObjConstructor);

void KQ_StatObjConstructor::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, placement, rotation);
  // Version 1 kept the flip flags here; later sprite properties carry them.
  if (version <= 1) ReadSettings(stream, flipVertical, mirror);
  KQ_BaseSpriteProp::Read(stream, ReadSectionHeader(stream));
}

void KQ_StatObjConstructor::InitParticle(Particle& particle) { PlaceSprite(particle); }

void KQ_StatObjConstructor::PlaceSprite(Particle& particle) {
  particle.position = D3DXVECTOR3(static_cast<float>(CentreX()), static_cast<float>(CentreY()), 0);
  particle.ApplyHalfSize(*this);
  particle.RefreshColour(*this);
  // The picture's y grows downwards, so a counter-clockwise turn on it is a negative angle.
  D3DXMatrixRotationZ(&rotationMatrix, static_cast<float>(rotation.Get()) * -D3DX_PI / 180.0f);
  const D3DXVECTOR3 right(1, 0, 0);
  const D3DXVECTOR3 up(0, 1, 0);
  D3DXVec3TransformCoord(&particle.right, &right, &rotationMatrix);
  D3DXVec3TransformCoord(&particle.up, &up, &rotationMatrix);
  FitRectangleToSprite(particle);
}

void KQ_StatObjConstructor::FitRectangleToSprite(const Particle& particle) {
  const float ax = std::fabs(particle.right.x * particle.halfWidth);
  const float bx = std::fabs(particle.up.x * particle.halfHeight);
  const float ay = std::fabs(particle.up.y * particle.halfHeight);
  const float by = std::fabs(particle.right.y * particle.halfWidth);
  const D3DXVECTOR3& centre = particle.position;
  placement.left = static_cast<int>(centre.x - ax - bx);
  placement.right = static_cast<int>(centre.x + ax + bx);
  placement.top = static_cast<int>(centre.y - ay - by);
  placement.bottom = static_cast<int>(centre.y + ay + by);
}
