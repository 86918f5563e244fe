#include "items/objects3d/kq_leaf_fall_anim.h"

#include "items/random_fraction.h"
#include "render/kq_frame.h"
#include "render/matrices.h"

namespace {

float RandomSign() { return RandomIsOdd() ? -1.0f : 1.0f; }

float Radians(float degrees) { return degrees * 2 * D3DX_PI / 360; }

}  // namespace

KQ_LeafFallAnim::KQ_LeafFallAnim(const DriftParameters& driftParameters)
    : KQ_SreamAnim(driftParameters) {
  for (int i = TumbleX; i <= TumbleZ; ++i) {
    const float sign = RandomSign();
    rate[i] = static_cast<float>(RandomFraction() * 3 + 7) * sign;
    angle[i] = rate[i];
  }
  for (int i = SwingY; i <= SwingX; ++i) {
    const float on = static_cast<float>(std::rand() % 2);
    const float sign = RandomSign();
    rate[i] = static_cast<float>(RandomFraction() * 4 + 3) * on * sign;
    angle[i] = rate[i];
  }
}

void KQ_LeafFallAnim::Animate(KQ_Frame& frame) {
  KQ_SreamAnim::Animate(frame);
  const float size = static_cast<float>(params->size.Get());
  // A mesh without extent (or none at all) is drawn with no area rather than an infinite one.
  const float scale = frame.radius > 0 ? size * 0.5f / frame.radius : 0.0f;
  const float tumbleRate = step * static_cast<float>(params->spin.Get()) * 0.4f;
  const float swingRate = step * static_cast<float>(params->sway.Get()) * 0.4f;
  for (int i = TumbleX; i <= TumbleZ; ++i) angle[i] += rate[i] * tumbleRate;
  for (int i = SwingY; i <= SwingX; ++i) angle[i] += rate[i] * swingRate;

  const D3DXMATRIX arm = Translation(0, 0, 50);
  const D3DXMATRIX leaf = Scaling(scale, scale, scale) * RotationX(Radians(angle[TumbleX])) *
                          RotationZ(Radians(angle[TumbleZ])) *
                          RotationY(Radians(angle[TumbleY])) * arm *
                          RotationY(Radians(angle[SwingY])) *
                          RotationX(Radians(angle[SwingX])) * placement;
  frame.world = frame.local * leaf;
}
