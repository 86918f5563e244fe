#include "show/lights/lake_geometry.h"

#include <cmath>
#include <initializer_list>

ScreenQuad MakeReflectionQuad(ScreenQuad quad, float lakeShare) {
  const float height = quad.vertices[0].y;
  for (int top : {1, 3}) {
    quad.vertices[top].y = height * (1 - lakeShare);
    quad.vertices[top].v = 1 - lakeShare;
  }
  for (int bottom : {0, 2}) quad.vertices[bottom].v = 1 - 2 * lakeShare;
  return quad;
}

LakeGeometry BuildLakeGeometry(float width, float height, float lakeShare, unsigned bandHeight) {
  const ScreenQuad quad = MakeReflectionQuad(ScreenQuad::Rectangle(0, 0, width, height), lakeShare);
  const ScreenQuadVertex* v = quad.vertices;
  LakeGeometry geometry;
  const int order[6] = {1, 0, 2, 1, 2, 3};
  for (int i = 0; i < 6; ++i) {
    const ScreenQuadVertex& corner = v[order[i]];
    geometry.lake[i] = {corner.x, corner.y, 0, 0, 0, corner.u, corner.v};
  }
  geometry.tint = quad;
  // The lake's share of the picture over the lake share is 1 up to rounding, so this is the band
  // height; without a lake or a picture the quotient is 0 / 0 and the setting stands as it is.
  const float lakeHeight = (v[2].y - v[1].y) / height;
  float pixels = static_cast<float>(bandHeight);
  if (lakeShare > 0 && height > 0) pixels = std::trunc(pixels * lakeHeight / lakeShare);
  const float right = v[0].x + std::trunc(v[3].x - v[0].x);
  geometry.band = ScreenQuad::Rectangle(v[0].x, v[1].y - pixels, right, v[1].y);
  return geometry;
}

void SetBumpTiling(LakeVertex (&lake)[6], float tiling) {
  const float uv[6][2] = {{0.01f, 0.01f}, {0.01f, tiling}, {tiling, tiling},
                          {0.01f, 0.01f}, {tiling, tiling}, {tiling, 0.01f}};
  for (int i = 0; i < 6; ++i) {
    lake[i].u0 = uv[i][0];
    lake[i].v0 = uv[i][1];
  }
}

TintAlphas TintAlphasOf(float strength, float fade) { return {strength, strength * (1 - fade)}; }

D3DCOLOR WaterColourRGB(unsigned long colorReference) {
  return (colorReference & 0xFF) << 16 | (colorReference & 0xFF00) | (colorReference >> 16 & 0xFF);
}

BumpMatrix LakeBumpMatrix(float clock) {
  const float a = static_cast<float>(static_cast<float>(clock * 0.5f) * 9);
  const float c = std::cos(a) * 0.04f, s = std::sin(a) * 0.04f;
  return {c, -s, s, c};
}
