// What the two coloured quads share: four coloured vertices written from a ScreenQuad, with
// per-corner alphas for fades and soft edges.
#pragma once

#include <type_traits>

#include "render/kq_simple_mesh.h"
#include "render/quad_colors.h"
#include "render/screen_quad.h"
#include "render/vertex_formats.h"

template <class V>
class ColoredQuadMesh : public KQ_SimpleMesh<V> {
public:
  // Into the locked vertices: x, y from the quad, z 0 (and for pre-transformed vertices rhw the
  // quad's z); colours untouched.
  void SetPositions(const ScreenQuad& quad) {
    for (int i = 0; i < 4; ++i) {
      V& vertex = this->lockedVertices[i];
      vertex.x = quad.vertices[i].x;
      vertex.y = quad.vertices[i].y;
      vertex.z = 0;
      if constexpr (std::is_same_v<V, DX_V::TPC>) vertex.rhw = quad.vertices[i].z;
    }
  }

  // Alpha fractions by corner: bottom-left a, bottom-right b, top-left c, top-right d.
  void SetCornerAlphas(float a, float b, float c, float d) {
    if (!this->LockVertices()) return;
    transparent_ = SetQuadCornerAlphas(this->lockedVertices, a, b, c, d);
    this->UnlockVertices();
  }

  // Every vertex's alpha is 0: blended by its source alpha the quad leaves each pixel as it is.
  bool Transparent() const { return transparent_; }

protected:
  // A new buffer over `quad` with every vertex of `color`.
  void FillNewBuffer(D3DCOLOR color, const ScreenQuad& quad) {
    this->CreateQuadStrip();
    if (!this->LockVertices()) return;
    SetPositions(quad);
    SetQuadColor(this->lockedVertices, color);
    transparent_ = (color >> 24) == 0;
    this->UnlockVertices();
  }

private:
  bool transparent_ = false;
};
