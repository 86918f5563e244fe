// One-dimensional value noise and its fractal sum: pure functions of their arguments, used by the
// water ripples, the light pulse and the moving picture.
#pragma once

#include <cstdint>

// Cosine interpolation between hashed lattice values, about [-1, 1]. The lattice point is x
// truncated toward zero, so the noise mirrors itself about 0 on (-1, 1).
double ValueNoise1D(double x);

// Sum over octaves i = 0 .. octaves - 1 of persistence^i x ValueNoise1D(2^i x / scale).
double FractalNoise1D(double x, double scale, double persistence, int32_t octaves);
