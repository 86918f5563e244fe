#include "show/lights/water_ring_parameters.h"

float SurfaceWaveSpeed(unsigned value) { return 1.0f + 0.02f * static_cast<float>(value); }

float SurfaceDropStrength(unsigned value) {
  return 0.1f + 0.01f * 0.7f * static_cast<float>(value);
}

float SurfaceDamping(unsigned calm) {
  // Single-precision constants in double arithmetic.
  const double v = calm;
  if (calm < 50) return static_cast<float>(double{0.9f} + v * double{0.09f} * double{0.02f});
  return static_cast<float>(double{0.99f} + (v - 50) * double{0.009f} * double{0.02f});
}

float SurfaceDepth(unsigned value) { return 0.01f * static_cast<float>(value); }

float GridDetailFactor(unsigned value) { return 1.0f + 0.01f * static_cast<float>(value); }

bool DropDue(float t, float rate, float& lastDropTime) {
  if (t < lastDropTime) lastDropTime = t;
  if (!(1.0f / rate < t - lastDropTime)) return false;
  lastDropTime = t;
  return true;
}

WaterWindow WaterWindowFor(float pictureAspect, int width, int height) {
  // The target's proportions as a real ratio: a whole-number quotient would squash the water on
  // every target that is not a whole multiple as wide as high.
  const float d = static_cast<float>(width) / static_cast<float>(height);
  if (pictureAspect * d > 1) return {static_cast<float>(d * 15), 15};
  const float f = static_cast<float>(30 / pictureAspect * 0.5f);
  return {f, f / d};
}
