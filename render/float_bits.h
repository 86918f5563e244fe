// A float's bit pattern as a DWORD and back: the bump-environment stage states take a float
// through its bits, and some settings' scales are given as exact bit patterns.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>

inline DWORD FloatBits(float value) {
  DWORD bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

inline float FloatFromBits(uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
