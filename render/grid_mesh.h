// The fire effect's grid: a quad subdivided into columns x rows cells, drawn as an indexed
// triangle list. The index buffer always describes 8 x 8 cells over 9 x 9 vertices.
#pragma once

#include "render/kq_indexed_mesh.h"
#include "render/screen_quad.h"
#include "render/vertex_formats.h"

class GridMesh : public KQ_IndexedMesh<DX_V::PT> {
public:
  static constexpr int IndexedCells = 8;  // cells per side the index buffer describes
  static constexpr UINT IndexCount = IndexedCells * IndexedCells * 6;  // of the 1024 allocated

  using KQ_IndexedMesh<DX_V::PT>::CreateIndexBuffer;
  // A managed 2048-byte index buffer of the 8 x 8 cells, 128 triangles.
  HRESULT CreateIndexBuffer();
  // Writes the vertex buffer from the quad: every vertex interpolated bilinearly between the
  // quad's corners (positions and uv). Leaves the buffer alone when it is too small for
  // (columns + 1) x (rows + 1) vertices or the grid has no cells.
  void FillFromQuad(const ScreenQuad& quad);

  // The cell triangles in row-major order: (b, b+1, b+9) and (b+9, b+1, b+10), b = row*9+column.
  static void WriteIndices(WORD* indices);
  // Vertex i + (columns + 1) j := lerp(lerp(P0, P2, j / rows), lerp(P1, P3, j / rows), i / columns).
  static void WriteVertices(DX_V::PT* vertices, const ScreenQuad& quad, int columns, int rows);

  int columns = 0;
  int rows = 0;
};
