// Deterministic lattice noise. Every 2D function tiles: the lattice wraps at `period` cells, so
// a texture that spans whole periods repeats without a seam.
#pragma once

#include <cstdint>

namespace pack_images {

// A well-mixed 32-bit hash of a lattice point and a seed.
uint32_t HashPoint(int x, int y, uint32_t seed);

// Gradient noise in about -1..1 at (x, y) in lattice cells; zero at every lattice point.
float GradientNoise(float x, float y, int period, uint32_t seed);

// Fractal sum of gradient noise: octave k has frequency 2^k and weight gain^k, the sum is
// normalised to about -1..1. (x, y) are in cells of the first octave.
float FractalNoise(float x, float y, int period, int octaves, float gain, uint32_t seed);

// One-dimensional smooth value noise in 0..1 (not periodic), for outlines such as hill ridges.
float LineNoise(float x, uint32_t seed);

// Ridged octaves of LineNoise for mountain outlines: every crossing of the middle value becomes a
// crest. Octave k has frequency 2^k, seed + k and weight firstWeight / 2^k.
float RidgedLineNoise(float x, int octaves, float firstWeight, uint32_t seed);

// Three octaves of LineNoise (frequencies 1, 2.7 and 7.3, seeds seed to seed + 2) for the
// outlines of rolling hills, in 0..1.
float RollingLineNoise(float x, uint32_t seed);

}  // namespace pack_images
