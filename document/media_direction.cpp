#include "document/media_direction.h"

void MediaDirection::UpdateVectors() {
  // D3DX_PI is pi rounded to float; the angle is converted in double and rounded once.
  const float radians = static_cast<float>(static_cast<double>(Get()) * D3DX_PI / 180.0);
  D3DXMATRIX rotation;
  D3DXMatrixRotationZ(&rotation, radians);
  const D3DXVECTOR4 x_axis(1.0f, 0.0f, 0.0f, 0.0f);
  const D3DXVECTOR4 y_axis(0.0f, 1.0f, 0.0f, 0.0f);
  D3DXVec4Transform(&direction_, &x_axis, &rotation);
  D3DXVec4Transform(&normal_, &y_axis, &rotation);
}
