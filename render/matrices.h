// Value-returning forms of D3DX's matrix builders, so a transform chain reads as one expression
// (`Scaling(...) * Translation(...)`) instead of a run of out-parameter calls. Angles are radians.
#pragma once

#include <d3dx9math.h>

inline D3DXMATRIX Identity() {
  D3DXMATRIX m;
  return *D3DXMatrixIdentity(&m);
}

inline D3DXMATRIX Scaling(float x, float y, float z) {
  D3DXMATRIX m;
  return *D3DXMatrixScaling(&m, x, y, z);
}

inline D3DXMATRIX Translation(float x, float y, float z) {
  D3DXMATRIX m;
  return *D3DXMatrixTranslation(&m, x, y, z);
}

inline D3DXMATRIX Translation(const D3DXVECTOR3& offset) {
  return Translation(offset.x, offset.y, offset.z);
}

inline D3DXMATRIX RotationX(float radians) {
  D3DXMATRIX m;
  return *D3DXMatrixRotationX(&m, radians);
}

inline D3DXMATRIX RotationY(float radians) {
  D3DXMATRIX m;
  return *D3DXMatrixRotationY(&m, radians);
}

inline D3DXMATRIX RotationZ(float radians) {
  D3DXMATRIX m;
  return *D3DXMatrixRotationZ(&m, radians);
}
