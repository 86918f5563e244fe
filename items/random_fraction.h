// The random draws of the item classes. Every system shares the C runtime's generator, and the
// order of the draws is part of each system's motion, so callers make every draw a statement of
// its own (never two draws in one expression, whose order C++ leaves open).
#pragma once

#include <cstdlib>

// rand() / 32767: a fraction in [0, 1], both ends possible.
inline double RandomFraction() { return std::rand() / 32767.0; }

// The coin flip: whether the next rand() is odd.
inline bool RandomIsOdd() { return (std::rand() & 1) != 0; }
