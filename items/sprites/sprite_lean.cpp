#include "items/sprites/sprite_lean.h"

#include <d3dx9math.h>

#include <algorithm>
#include <cmath>

float LeanAtAngle(float phiDegrees) {
  const float held = std::clamp(phiDegrees, 1.0f, 179.0f);
  return 1.0f / std::tan(held * D3DX_PI / 180.0f);
}

float SwayLean(float amplitudeDegrees, float wave) {
  const float standing = 90 + amplitudeDegrees * std::sin(wave);
  return LeanAtAngle(180 - standing);
}
