#include "render/grid_mesh.h"

namespace {

ScreenQuadVertex Lerp(const ScreenQuadVertex& a, const ScreenQuadVertex& b, float t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t,
          a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t};
}

}  // namespace

HRESULT GridMesh::CreateIndexBuffer() {
  HRESULT hr = CreateIndexBuffer(1024, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  triangleCount = IndexedCells * IndexedCells * 2;
  if (LockIndices()) {
    WriteIndices(lockedIndices);
    UnlockIndices();
  }
  return hr;
}

void GridMesh::FillFromQuad(const ScreenQuad& quad) {
  if (columns < 1 || rows < 1) return;
  if (vertexCount < static_cast<UINT>((columns + 1) * (rows + 1))) return;
  if (!LockVertices()) return;
  WriteVertices(lockedVertices, quad, columns, rows);
  UnlockVertices();
}

void GridMesh::WriteIndices(WORD* indices) {
  const int stride = IndexedCells + 1;
  for (int row = 0; row < IndexedCells; ++row) {
    for (int column = 0; column < IndexedCells; ++column) {
      const WORD b = static_cast<WORD>(row * stride + column);
      const WORD triangles[6] = {b, WORD(b + 1), WORD(b + stride),
                                 WORD(b + stride), WORD(b + 1), WORD(b + stride + 1)};
      for (WORD index : triangles) *indices++ = index;
    }
  }
}

void GridMesh::WriteVertices(DX_V::PT* vertices, const ScreenQuad& quad, int columns, int rows) {
  const ScreenQuadVertex* p = quad.vertices;
  for (int j = 0; j <= rows; ++j) {
    const float s = static_cast<float>(j) / static_cast<float>(rows);
    const ScreenQuadVertex from = Lerp(p[0], p[2], s);
    const ScreenQuadVertex to = Lerp(p[1], p[3], s);
    for (int i = 0; i <= columns; ++i) {
      const ScreenQuadVertex at = Lerp(from, to, static_cast<float>(i) / static_cast<float>(columns));
      vertices[i + (columns + 1) * j] = {at.x, at.y, at.z, at.u, at.v};
    }
  }
}
