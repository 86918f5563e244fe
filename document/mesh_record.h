// A mesh of a mesh link: the player's own vertex and index buffers of a normalised, optimised
// mesh, with its bounding sphere. Vertices are DX_V::PNT (position, normal, uv; 32 bytes), the
// buffers carry no FVF, indices are 16-bit, a triangle list of faceCount triangles. Copies share
// the buffers with a reference each.
#pragma once

#include <d3dx9math.h>

#include "render/com_holder.h"

struct MeshRecord {
  // A record without vertices counts as not loaded: it is made again on the next request.
  bool IsLoaded() const { return vertexCount != 0; }

  ComHolder<IDirect3DVertexBuffer9> vertices;
  ComHolder<IDirect3DIndexBuffer9> indices;  // released before the vertices
  UINT vertexCount = 0;
  UINT faceCount = 0;
  float radius = 0;                          // of the bounding sphere
  D3DXVECTOR3 centre{0, 0, 0};
};
