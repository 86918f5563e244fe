// Rounding to the nearest integer with ties to even (2.5 -> 2, 3.5 -> 4), the processor's
// default rounding mode.
#pragma once

#include <xmmintrin.h>

#include <cstdint>

inline int32_t RoundToInt(float x) { return _mm_cvtss_si32(_mm_set_ss(x)); }
