// A pre-transformed coloured quad (positions in back-buffer pixels): the slide fade and the
// letterbox bars.
#pragma once

#include "render/colored_quad_mesh.h"

class ColorScreenQuad : public ColoredQuadMesh<DX_V::TPC> {
public:
  // A new buffer over `quad` with every vertex of `color`.
  void SetRectAndColor(D3DCOLOR color, const ScreenQuad& quad) { FillNewBuffer(color, quad); }
};
