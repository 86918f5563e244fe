// A vertex buffer with a 16-bit index buffer. The triangle count is the primitive count of the
// indexed draw; owners size the index buffer from it.
#pragma once

#include <algorithm>
#include <climits>

#include "render/kq_simple_mesh.h"

template <class V>
class KQ_IndexedMesh : public KQ_SimpleMesh<V> {
public:
  KQ_IndexedMesh() = default;
  KQ_IndexedMesh(const KQ_IndexedMesh& other)
      : KQ_SimpleMesh<V>(other),
        triangleCount(other.triangleCount),
        lockedIndices(other.lockedIndices) {
    ShareReference(&indexBuffer, other.indexBuffer);
  }
  KQ_IndexedMesh& operator=(const KQ_IndexedMesh& other) {
    if (this == &other) return *this;
    KQ_SimpleMesh<V>::operator=(other);
    ShareReference(&indexBuffer, other.indexBuffer);
    triangleCount = other.triangleCount;
    lockedIndices = other.lockedIndices;
    return *this;
  }
  ~KQ_IndexedMesh() { ReleaseAndNull(&indexBuffer); }

  void Destroy() {
    ReleaseAndNull(&indexBuffer);
    lockedIndices = nullptr;
    KQ_SimpleMesh<V>::Destroy();
  }

  // Replaces the index buffer with one of `count` 16-bit indices on the current device.
  HRESULT CreateIndexBuffer(UINT count, DWORD usage, D3DPOOL pool) {
    ReleaseAndNull(&indexBuffer);
    lockedIndices = nullptr;
    return CurrentDevice->CreateIndexBuffer(count * sizeof(WORD), usage, D3DFMT_INDEX16, pool,
                                            &indexBuffer, nullptr);
  }

  // The whole index buffer, or null when there is none or it cannot be locked.
  WORD* LockIndices() { return LockWhole(indexBuffer, lockedIndices); }
  void UnlockIndices() { UnlockWhole(indexBuffer, lockedIndices); }

  // The indices, then the vertex stream.
  void Bind() const {
    CurrentDevice->SetIndices(indexBuffer);
    KQ_SimpleMesh<V>::Bind();
  }
  // The indexed draw of the bound buffers: every vertex, `triangleCount` primitives.
  // The first `triangles` triangles of the index buffer (all of them by default).
  void DrawIndexed(UINT triangles = UINT_MAX) const {
    triangles = std::min(triangles, triangleCount);
    if (!this->vertexBuffer || !indexBuffer || triangles == 0) return;
    CurrentDevice->DrawIndexedPrimitive(this->primitiveType, 0, 0, this->vertexCount, 0,
                                        triangles);
  }

  IDirect3DIndexBuffer9* indexBuffer = nullptr;
  UINT triangleCount = 0;
  WORD* lockedIndices = nullptr;  // set only between LockIndices and UnlockIndices
};
