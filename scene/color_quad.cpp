#include "scene/color_quad.h"

void ColorQuad::SetRGB(D3DCOLOR color) {
  if (!LockVertices()) return;
  for (int i = 0; i < 4; ++i) {
    lockedVertices[i].color = WithAlpha(color, lockedVertices[i].color >> 24);
  }
  UnlockVertices();
}
