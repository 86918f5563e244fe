// Writing colours and alpha bytes into the four vertices of a coloured quad.
#pragma once

#include <d3d9.h>

#include <algorithm>

// An alpha byte from a value on the 0..255 scale, truncated; values outside the scale are
// clamped rather than wrapped into a wrong byte.
inline DWORD AlphaByte(float scaled) {
  return static_cast<DWORD>(std::clamp(scaled, 0.0f, 255.0f));
}

inline D3DCOLOR WithAlpha(D3DCOLOR color, DWORD alpha) {
  return (color & 0x00FFFFFF) | (alpha << 24);
}

template <class V>
void SetQuadColor(V* vertices, D3DCOLOR color) {
  for (int i = 0; i < 4; ++i) vertices[i].color = color;
}

// Alphas from fractions 0..1 by corner: bottom-left a, bottom-right b, top-left c, top-right d.
// True when every alpha byte written is 0.
template <class V>
bool SetQuadCornerAlphas(V* vertices, float a, float b, float c, float d) {
  const float byCorner[4] = {a, c, b, d};  // strip order: BL, TL, BR, TR
  DWORD written = 0;
  for (int i = 0; i < 4; ++i) {
    const DWORD alpha = AlphaByte(byCorner[i] * 255);
    vertices[i].color = WithAlpha(vertices[i].color, alpha);
    written |= alpha;
  }
  return written == 0;
}
