// Many independent screen-space textured quads sharing one texture (the matrix code light's
// glyphs, one quad per grid cell). The quads are rewritten every frame through one lock of every
// buffer and drawn with one indexed draw per chunk. Indices are 16-bit, so the quads are split
// into chunks of at most 16383 quads (65532 vertices), each with its own buffers; the buffers
// are managed and survive device resets.
#pragma once

#include <d3dx9math.h>

#include <climits>
#include <vector>

#include "render/textured_indexed_mesh.h"
#include "render/vertex_formats.h"

class KQ_QuadBatch {
public:
  static constexpr int QuadsPerChunk = 0x3FFF;

  KQ_QuadBatch() : chunks_(1) {}
  KQ_QuadBatch(const KQ_QuadBatch&) = delete;
  KQ_QuadBatch& operator=(const KQ_QuadBatch&) = delete;

  // n quads (at least 1) in new buffers, every quad invisible (colour 0); later chunks take
  // chunk 0's texture.
  void SetQuadCount(int n);
  // Every chunk's texture := `texture` (a reference each).
  void SetTexture(IDirect3DTexture9* texture);

  // The quad writers below work only between these two; a chunk without buffer, or whose lock
  // failed, is skipped.
  void LockAll();
  void UnlockAll();
  // Corners c - a + b (bottom-left), c - a - b, c + a + b, c + a - b, rhw 1.
  void SetQuadCorners(int i, const D3DXVECTOR3& c, const D3DXVECTOR3& a, const D3DXVECTOR3& b);
  void SetQuadColour(int i, D3DCOLOR argb);
  void SetQuadUV(int i, float uLeft, float uRight, float vTop, float vBottom);

  // The first `quads` quads (all by default), one indexed draw per chunk that holds any of them;
  // blending and texture stages are the caller's.
  void Draw(int quads = INT_MAX) const;

  int QuadCount() const { return quadCount_; }
  const std::vector<TexturedIndexedMesh<DX_V::TPCT>>& Chunks() const { return chunks_; }

private:
  // Fresh buffers for q quads in `chunk`: the index pattern and invisible quads.
  static void BuildChunk(TexturedIndexedMesh<DX_V::TPCT>& chunk, int q);
  // The four locked vertices of quad i, or null.
  DX_V::TPCT* QuadVertices(int i);

  int quadCount_ = 0;
  std::vector<TexturedIndexedMesh<DX_V::TPCT>> chunks_;
};
