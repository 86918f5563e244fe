// The unit vectors of the directional effects, turned about z by an angle in degrees.
#pragma once

#include <d3dx9math.h>

// `v` turned by `degrees` (D3DXMatrixRotationZ, row vector times matrix).
D3DXVECTOR4 TurnedAboutZ(const D3DXVECTOR4& v, double degrees);
// The angle the directional effects turn by: 360 - angle, without unsigned wrap-around.
inline double DirectionalTurn(unsigned int angle) { return 360.0 - static_cast<double>(angle); }
