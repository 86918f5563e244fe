#include "items/objects3d/ramp.h"

#include <cmath>

void Ramp::SetTarget(float newTarget, float newRate) {
  if (newRate != 0) rate = newRate;
  target = newTarget;
  rate = target > current ? std::fabs(rate) : -std::fabs(rate);
}

void Ramp::Advance(float dt) {
  if (target == current) return;
  current += dt * rate;
  if ((rate > 0 && current > target) || (rate < 0 && current < target)) current = target;
}
