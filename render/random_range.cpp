#include "render/random_range.h"

#include <cstdlib>

float RandomRange(float a, float b) {
  const double fraction = std::rand() / 32767.0;
  const float span = b - a;
  return a + static_cast<float>(fraction * span);
}
