// A coloured quad in picture pixels, drawn through the picture view's transforms: item area
// markers and the lake light's tint and band.
#pragma once

#include "render/colored_quad_mesh.h"

class ColorQuad : public ColoredQuadMesh<DX_V::PC> {
public:
  // A new buffer over `quad` (z 0) with every vertex of `color`.
  void SetRect(D3DCOLOR color, const ScreenQuad& quad) { FillNewBuffer(color, quad); }
};
