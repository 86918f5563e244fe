// The vertex layouts of the program, each with its flexible vertex format. Colours are ARGB.
#pragma once

#include <d3d9.h>

namespace DX_V {

// Sprite and particle quads.
struct PCT {
  float x, y, z;
  D3DCOLOR color;
  float u, v;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
};

// Pre-transformed textured screen quads (splash, glyph batches): x, y in back-buffer pixels.
struct TPCT {
  float x, y, z, rhw;
  D3DCOLOR color;
  float u, v;
  static constexpr DWORD FVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
};

// Pre-transformed coloured screen quads (slide fade, letterbox bars).
struct TPC {
  float x, y, z, rhw;
  D3DCOLOR color;
  static constexpr DWORD FVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;
};

// Coloured quads in picture pixels (item area markers).
struct PC {
  float x, y, z;
  D3DCOLOR color;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_DIFFUSE;
};

// The picture quad, effect quads and grids.
struct PT {
  float x, y, z;
  float u, v;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_TEX1;
};

// Meshes loaded from .x data.
struct PNT {
  float x, y, z;
  float nx, ny, nz;
  float u, v;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;
};

// Buffers are sized and strided by these layouts, so they must match the formats exactly.
static_assert(sizeof(PCT) == 24 && PCT::FVF == 0x142);
static_assert(sizeof(TPCT) == 28 && TPCT::FVF == 0x144);
static_assert(sizeof(TPC) == 20 && TPC::FVF == 0x44);
static_assert(sizeof(PC) == 16 && PC::FVF == 0x42);
static_assert(sizeof(PT) == 20 && PT::FVF == 0x102);
static_assert(sizeof(PNT) == 32 && PNT::FVF == 0x112);

}  // namespace DX_V
