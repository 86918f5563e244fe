#include "tools/pack_images/noise.h"

#include <cmath>

#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

int Wrap(int i, int period) {
  const int r = i % period;
  return r < 0 ? r + period : r;
}

// Quintic fade: continuous second derivative, so no creases at cell borders.
float Fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float Corner(int ix, int iy, float dx, float dy, int period, uint32_t seed) {
  const uint32_t h = HashPoint(Wrap(ix, period), Wrap(iy, period), seed);
  const float angle = static_cast<float>(h & 0xFFFF) * (2.0f * Pi / 65536.0f);
  return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

uint32_t HashPoint(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
               static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float GradientNoise(float x, float y, int period, uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const float dx = x - fx, dy = y - fy;
  const float n00 = Corner(ix, iy, dx, dy, period, seed);
  const float n10 = Corner(ix + 1, iy, dx - 1.0f, dy, period, seed);
  const float n01 = Corner(ix, iy + 1, dx, dy - 1.0f, period, seed);
  const float n11 = Corner(ix + 1, iy + 1, dx - 1.0f, dy - 1.0f, period, seed);
  const float u = Fade(dx), v = Fade(dy);
  // Unit gradients give at most sqrt(0.5) in magnitude; scale to about -1..1.
  return 1.41421356f * Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), v);
}

float FractalNoise(float x, float y, int period, int octaves, float gain, uint32_t seed) {
  float sum = 0.0f, weight = 1.0f, total = 0.0f, scale = 1.0f;
  for (int k = 0; k < octaves; ++k) {
    sum += weight * GradientNoise(x * scale, y * scale, period << k, seed + 977u * k);
    total += weight;
    weight *= gain;
    scale *= 2.0f;
  }
  return sum / total;
}

float LineNoise(float x, uint32_t seed) {
  const float fx = std::floor(x);
  const int ix = static_cast<int>(fx);
  const float a = static_cast<float>(HashPoint(ix, 0, seed) & 0xFFFF) / 65535.0f;
  const float b = static_cast<float>(HashPoint(ix + 1, 0, seed) & 0xFFFF) / 65535.0f;
  return Lerp(a, b, Fade(x - fx));
}

float RidgedLineNoise(float x, int octaves, float firstWeight, uint32_t seed) {
  float ridge = 0.0f, weight = firstWeight;
  for (int k = 0; k < octaves; ++k, weight *= 0.5f)
    ridge += weight *
             (1.0f - std::fabs(2.0f * LineNoise(x * static_cast<float>(1 << k), seed + k) - 1.0f));
  return ridge;
}

float RollingLineNoise(float x, uint32_t seed) {
  return 0.6f * LineNoise(x, seed) + 0.3f * LineNoise(x * 2.7f, seed + 1) +
         0.1f * LineNoise(x * 7.3f, seed + 2);
}

}  // namespace pack_images
