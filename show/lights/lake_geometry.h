// The arithmetic of the lake reflection light, kept apart from the device: where the horizon
// lies, which band of the picture the lake mirrors, the bump map's tiling, the water colour's
// alphas and the slowly turning bump matrix.
//
// Everything is in picture pixels (y down) and single precision. A lake share x puts the horizon
// at H x (1 - x); the lake shows, upside down, the band of the picture of the same height just
// above it.
#pragma once

#include <d3d9.h>

#include "render/screen_quad.h"

// A vertex of the mirrored picture: uv set 0 reads the bump map, uv set 1 the reflection.
struct LakeVertex {
  float x, y, z;
  float u0, v0;
  float u1, v1;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_TEX2;
};
static_assert(sizeof(LakeVertex) == 28 && LakeVertex::FVF == 0x202);

// The picture quad (V0 bottom-left, V1 top-left, V2 bottom-right, V3 top-right) turned into the
// lake: the top corners move down to the horizon and read v = 1 - x, the bottom ones stay and
// read v = 1 - 2x.
ScreenQuad MakeReflectionQuad(ScreenQuad quad, float lakeShare);

struct LakeGeometry {
  LakeVertex lake[6];  // two triangles over the reflection quad, uv set 0 still to be tiled
  ScreenQuad tint;     // the whole lake
  ScreenQuad band;     // the soft band just above the horizon
};

// The lake of a width x height picture; bandHeight is in picture pixels.
LakeGeometry BuildLakeGeometry(float width, float height, float lakeShare, unsigned bandHeight);

// uv set 0 from the horizon (0.01) to the bottom (tiling) of the lake.
void SetBumpTiling(LakeVertex (&lake)[6], float tiling);

// Alpha fractions of the water colour: `bottom` at the foot of the lake, `horizon` at the horizon
// (and under the band, which fades to 0 above it).
struct TintAlphas {
  float bottom;
  float horizon;
};
TintAlphas TintAlphasOf(float strength, float fade);

// A colour reference (red in the low byte) as the RGB of a vertex colour, alpha 0.
D3DCOLOR WaterColourRGB(unsigned long colorReference);

// The 2 x 2 bump-environment matrix at wave-clock time `clock`: a rotation of size 0.04 that
// turns at 4.5 radians per clock second.
struct BumpMatrix {
  float m00, m01, m10, m11;
};
BumpMatrix LakeBumpMatrix(float clock);
