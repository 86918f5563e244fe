#include "render/noise.h"

#include <cmath>

namespace {

// A value in (-1, 1] for a lattice point; 32-bit arithmetic with wrap-around.
double LatticeValue(uint32_t m) {
  m ^= m << 13;
  const uint32_t h = (m * (m * m * 15731u + 789221u) - 771171059u) & 0x7FFFFFFFu;
  return 1.0 - h * 9.313225746154785e-10;  // h / 2^30
}

// The lattice point as a 32-bit integer, wrapped rather than undefined far from 0.
uint32_t LatticePoint(double truncated) {
  return static_cast<uint32_t>(static_cast<int64_t>(truncated));
}

}  // namespace

double ValueNoise1D(double x) {
  const double k0 = std::trunc(x);
  const double f = x - k0;
  const double t = (1 - std::cos(f * 3.1415927)) * 0.5;
  const uint32_t point = LatticePoint(k0);
  return LatticeValue(point) * (1 - t) + LatticeValue(point + 1) * t;
}

double FractalNoise1D(double x, double scale, double persistence, int32_t octaves) {
  double sum = 0;
  double frequency = 1;
  double amplitude = 1;
  for (int32_t i = 0; i < octaves; ++i) {
    sum += amplitude * ValueNoise1D(frequency * x / scale);
    frequency *= 2;
    amplitude *= persistence;
  }
  return sum;
}
