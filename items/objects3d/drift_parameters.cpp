#include "items/objects3d/drift_parameters.h"

namespace {

// (1, 0) turned by `degrees`, with y negated for the picture's downward y.
D3DXVECTOR4 PictureDirection(float degrees) {
  D3DXMATRIX turn;
  D3DXMatrixRotationZ(&turn, degrees * D3DX_PI / 180);
  const D3DXVECTOR4 right(1, 0, 0, 0);
  D3DXVECTOR4 direction;
  D3DXVec4Transform(&direction, &right, &turn);
  direction.y = -direction.y;
  return direction;
}

}  // namespace

void DriftParameters::SetHeading(int32_t angle) {
  heading.angle = angle;
  // Signed: a negative angle turns the other way instead of becoming four billion degrees.
  heading.along = PictureDirection(static_cast<float>(angle));
  heading.across = PictureDirection(static_cast<float>(angle) + 90);
}
