#include "items/fullscreen/direction_vector.h"

D3DXVECTOR4 TurnedAboutZ(const D3DXVECTOR4& v, double degrees) {
  D3DXMATRIX turn;
  D3DXMatrixRotationZ(&turn, static_cast<float>(degrees * D3DX_PI / 180.0));
  D3DXVECTOR4 turned;
  D3DXVec4Transform(&turned, &v, &turn);
  return turned;
}
