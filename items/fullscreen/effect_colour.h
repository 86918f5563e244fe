// Colour settings (0x00BBGGRR) as the effects' (red, green, blue) constants, each byte / 255.
#pragma once

inline void EffectColour(unsigned long colour, float rgb[3]) {
  for (int i = 0; i < 3; ++i) rgb[i] = static_cast<float>((colour >> (8 * i)) & 0xFF) / 255.0f;
}
