// A generator of its own with the C runtime's sequence (the same linear
// congruence as its rand(), 0..32767): an item that must repeat its draws seeds
// this one, and leaves the shared generator, and every other item's draws,
// alone.
#pragma once

#include <cstdint>

class CrtRandom {
public:
  void Seed(unsigned int seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fff);
  }
  // Next() / 32767: a fraction in [0, 1], both ends possible.
  double NextFraction() { return Next() / 32767.0; }

private:
  uint32_t state_ = 1;
};
