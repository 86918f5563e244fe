#include "show/lights/flame_quad.h"

void FlameQuadCorners(float width, float height, unsigned offset, DX_V::PT (&corners)[4]) {
  const float bottom = (1 + 0.005f * static_cast<float>(offset)) * height;
  const float top = bottom - 0.65f * height;
  corners[0] = {0, top, 0, 0, 0};
  corners[1] = {width, top, 0, 1, 0};
  corners[2] = {0, bottom, 0, 0, 0.95f};
  corners[3] = {width, bottom, 0, 1, 0.95f};
}
