#include "render/kq_quad_batch.h"

#include <algorithm>

void KQ_QuadBatch::SetQuadCount(int n) {
  n = std::max(n, 1);
  const int chunkCount = (n + QuadsPerChunk - 1) / QuadsPerChunk;
  chunks_.resize(chunkCount);
  for (int k = 0; k < chunkCount; ++k) {
    BuildChunk(chunks_[k], std::min(n - QuadsPerChunk * k, QuadsPerChunk));
    ShareReference(&chunks_[k].texture, chunks_[0].texture);
  }
  quadCount_ = n;
}

void KQ_QuadBatch::BuildChunk(TexturedIndexedMesh<DX_V::TPCT>& chunk, int q) {
  const UINT quads = static_cast<UINT>(q);
  if (FAILED(chunk.CreateVertexBuffer(4 * quads, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED))) {
    chunk.vertexBuffer = nullptr;
  }
  chunk.primitiveType = D3DPT_TRIANGLELIST;
  chunk.primitiveCount = 0;
  chunk.triangleCount = 2 * quads;
  if (FAILED(chunk.CreateIndexBuffer(6 * quads, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED))) {
    chunk.indexBuffer = nullptr;
  }
  if (WORD* indices = chunk.LockIndices()) {
    for (UINT i = 0; i < quads; ++i) {
      const WORD first = static_cast<WORD>(4 * i);
      const WORD pattern[6] = {first, WORD(first + 1), WORD(first + 2),
                               WORD(first + 2), WORD(first + 1), WORD(first + 3)};
      std::copy(pattern, pattern + 6, indices + 6 * i);
    }
    chunk.UnlockIndices();
  }
  if (DX_V::TPCT* vertices = chunk.LockVertices()) {
    static const float corners[4][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};
    for (UINT v = 0; v < 4 * quads; ++v) {
      vertices[v] = {0, 0, 0, 1.0f, 0, corners[v % 4][0], corners[v % 4][1]};
    }
    chunk.UnlockVertices();
  }
}

void KQ_QuadBatch::SetTexture(IDirect3DTexture9* texture) {
  for (auto& chunk : chunks_) ShareReference(&chunk.texture, texture);
}

void KQ_QuadBatch::LockAll() {
  for (auto& chunk : chunks_) chunk.LockVertices();
}

void KQ_QuadBatch::UnlockAll() {
  for (auto& chunk : chunks_) chunk.UnlockVertices();
}

DX_V::TPCT* KQ_QuadBatch::QuadVertices(int i) {
  if (i < 0 || i >= quadCount_) return nullptr;
  DX_V::TPCT* locked = chunks_[i / QuadsPerChunk].lockedVertices;
  return locked ? locked + 4 * (i % QuadsPerChunk) : nullptr;
}

void KQ_QuadBatch::SetQuadCorners(int i, const D3DXVECTOR3& c, const D3DXVECTOR3& a,
                                  const D3DXVECTOR3& b) {
  DX_V::TPCT* quad = QuadVertices(i);
  if (!quad) return;
  const D3DXVECTOR3 left = c - a, right = c + a;
  const D3DXVECTOR3 corners[4] = {left + b, left - b, right + b, right - b};
  for (int k = 0; k < 4; ++k) {
    quad[k].x = corners[k].x;
    quad[k].y = corners[k].y;
    quad[k].z = corners[k].z;
    quad[k].rhw = 1.0f;
  }
}

void KQ_QuadBatch::SetQuadColour(int i, D3DCOLOR argb) {
  if (DX_V::TPCT* quad = QuadVertices(i)) {
    for (int k = 0; k < 4; ++k) quad[k].color = argb;
  }
}

void KQ_QuadBatch::SetQuadUV(int i, float uLeft, float uRight, float vTop, float vBottom) {
  DX_V::TPCT* quad = QuadVertices(i);
  if (!quad) return;
  const float uv[4][2] = {{uLeft, vBottom}, {uLeft, vTop}, {uRight, vBottom}, {uRight, vTop}};
  for (int k = 0; k < 4; ++k) {
    quad[k].u = uv[k][0];
    quad[k].v = uv[k][1];
  }
}

void KQ_QuadBatch::Draw(int quads) const {
  for (const auto& chunk : chunks_) {
    if (quads <= 0) break;
    const int drawn = std::min(quads, static_cast<int>(chunk.triangleCount / 2));
    CurrentDevice->SetTexture(0, chunk.texture);
    chunk.Bind();
    chunk.DrawIndexed(static_cast<UINT>(2 * drawn));
    quads -= drawn;
  }
}
