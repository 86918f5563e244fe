#include "items/particle.h"

#include <cmath>

#include "items/kq_base_sprite_prop.h"
#include "items/random_fraction.h"

void Particle::Init(const KQ_BaseSpriteProp& settings, float imageAspect) {
  drift = D3DXVECTOR3(0, 0, 0);
  velocity = D3DXVECTOR3(0, 0, 0);
  aspect = imageAspect;
  // A sheet's frames stand side by side, so one frame is that many times taller for its width.
  if (settings.sheetMode) aspect *= static_cast<float>(settings.SheetFrameCount());
  right = D3DXVECTOR3(1, 0, 0);
  up = D3DXVECTOR3(0, 1, 0);
  position = D3DXVECTOR3(100, 100, 0);
  const double r = RandomFraction();
  sizeFactor = static_cast<float>(settings.minSizeFactor +
                                  r * (settings.maxSizeFactor - settings.minSizeFactor));
  ApplyHalfSize(settings);
  vTop = 0;
  vBottom = 1;
  uLeft = 0;
  uRight = 1;
}

D3DXVECTOR3 Particle::Corner() const {
  const D3DXVECTOR3 alongWidth = halfWidth * right;
  const D3DXVECTOR3 alongHeight = halfHeight * up;
  return position - alongWidth - alongHeight;
}

void Particle::RefreshColour(const KQ_BaseSpriteProp& settings) {
  colour = settings.ParticleColour(alpha);
}

void Particle::ApplyHalfSize(const KQ_BaseSpriteProp& settings) {
  const float s = static_cast<float>(settings.size.Get()) * sizeFactor * 0.5f;
  if (aspect >= 1) {
    halfHeight = s;
    halfWidth = s / aspect;
  } else {
    halfWidth = s;
    halfHeight = s * aspect;
  }
}

bool Particle::IsLeftOfArea(const KQ_ViewObjCtrl& area) const {
  return area.AreaLeft() > position.x + std::fabs(halfWidth);
}
bool Particle::IsRightOfArea(const KQ_ViewObjCtrl& area) const {
  return area.AreaRight() < position.x - std::fabs(halfWidth);
}
bool Particle::IsAboveArea(const KQ_ViewObjCtrl& area) const {
  return area.AreaTop() > position.y + std::fabs(halfHeight);
}
bool Particle::IsBelowArea(const KQ_ViewObjCtrl& area) const {
  return area.AreaBottom() < position.y - std::fabs(halfHeight);
}
bool Particle::CrossesTop(const KQ_ViewObjCtrl& area) const {
  return area.AreaTop() > position.y - halfHeight;
}
bool Particle::CrossesBottom(const KQ_ViewObjCtrl& area) const {
  return area.AreaBottom() < position.y + halfHeight;
}
bool Particle::CrossesRight(const KQ_ViewObjCtrl& area) const {
  return area.AreaRight() < position.x + halfWidth;
}
