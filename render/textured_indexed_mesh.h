// An indexed mesh with its texture and a per-mesh switch its users read (the mesh-part draw
// takes it as its blend flag).
#pragma once

#include "render/kq_indexed_mesh.h"

template <class V>
class TexturedIndexedMesh : public KQ_IndexedMesh<V> {
public:
  TexturedIndexedMesh() = default;
  TexturedIndexedMesh(const TexturedIndexedMesh& other)
      : KQ_IndexedMesh<V>(other), flag(other.flag) {
    ShareReference(&texture, other.texture);
  }
  TexturedIndexedMesh& operator=(const TexturedIndexedMesh& other) {
    if (this == &other) return *this;
    KQ_IndexedMesh<V>::operator=(other);
    ShareReference(&texture, other.texture);
    flag = other.flag;
    return *this;
  }
  ~TexturedIndexedMesh() { ReleaseAndNull(&texture); }

  void Destroy() {
    ReleaseAndNull(&texture);
    KQ_IndexedMesh<V>::Destroy();
  }

  IDirect3DTexture9* texture = nullptr;
  BYTE flag = 0;
};

// Deletes the child frames of the mesh's own frame with their animators, then lets go of the
// mesh's texture and buffers.
template <class V>
void DestroyTexturedMeshWithChildren(TexturedIndexedMesh<V>& mesh) {
  mesh.frame.DeleteChildren();
  mesh.Destroy();
}
