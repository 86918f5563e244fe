// A vertex buffer with its frame, vertex count and primitive type: the holder under every piece of
// geometry. Holders are values; a copy shares the buffer by reference counting.
//
// A buffer whose creation failed is simply absent: locking gives null and drawing does nothing,
// so no caller dereferences a missing buffer.
#pragma once

#include <d3d9.h>

#include "render/buffer_lock.h"
#include "render/com_references.h"
#include "render/current_device.h"
#include "render/kq_frame.h"

template <class V>
class KQ_SimpleMesh {
public:
  KQ_SimpleMesh() = default;
  KQ_SimpleMesh(const KQ_SimpleMesh& other)
      : frame(other.frame),
        lockedVertices(other.lockedVertices),
        vertexCount(other.vertexCount),
        primitiveType(other.primitiveType),
        primitiveCount(other.primitiveCount) {
    ShareReference(&vertexBuffer, other.vertexBuffer);
  }
  KQ_SimpleMesh& operator=(const KQ_SimpleMesh& other) {
    if (this == &other) return *this;
    frame = other.frame;
    ShareReference(&vertexBuffer, other.vertexBuffer);
    lockedVertices = other.lockedVertices;
    vertexCount = other.vertexCount;
    primitiveType = other.primitiveType;
    primitiveCount = other.primitiveCount;
    return *this;
  }
  ~KQ_SimpleMesh() { ReleaseAndNull(&vertexBuffer); }

  // Lets go of the buffer, as destruction would; the holder stays usable.
  void Destroy() {
    ReleaseAndNull(&vertexBuffer);
    lockedVertices = nullptr;
  }

  // Replaces the buffer with one of `count` vertices on the current device.
  HRESULT CreateVertexBuffer(UINT count, DWORD usage, D3DPOOL pool) {
    Destroy();
    vertexCount = count;
    return CurrentDevice->CreateVertexBuffer(count * sizeof(V), usage, V::FVF, pool, &vertexBuffer,
                                             nullptr);
  }

  // A managed, write-only strip of four vertices and two triangles; the caller fills it.
  HRESULT CreateQuadStrip() {
    HRESULT hr = CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
    primitiveType = D3DPT_TRIANGLESTRIP;
    primitiveCount = 2;
    return hr;
  }

  // The whole buffer, or null when there is none or it cannot be locked.
  V* LockVertices() { return LockWhole(vertexBuffer, lockedVertices); }
  void UnlockVertices() { UnlockWhole(vertexBuffer, lockedVertices); }

  // Vertex shader off, this layout's format, the buffer as stream 0.
  void Bind() const {
    CurrentDevice->SetVertexShader(nullptr);
    CurrentDevice->SetFVF(V::FVF);
    CurrentDevice->SetStreamSource(0, vertexBuffer, 0, sizeof(V));
  }
  // The plain draw of the bound buffer.
  void Draw() const {
    if (vertexBuffer) CurrentDevice->DrawPrimitive(primitiveType, 0, primitiveCount);
  }

  KQ_Frame frame;
  IDirect3DVertexBuffer9* vertexBuffer = nullptr;
  V* lockedVertices = nullptr;  // set only between LockVertices and UnlockVertices
  UINT vertexCount = 0;
  D3DPRIMITIVETYPE primitiveType = D3DPT_TRIANGLESTRIP;
  UINT primitiveCount = 0;
};
