// What the light's sprite service draws: a mesh of sprite quads with the texture of the
// sprite's current animation frame, optionally a second texture drawn over it, and whether the
// sprites add their light to the scene instead of covering it.
#pragma once

#include <d3d9.h>

#include "render/kq_indexed_mesh.h"
#include "render/vertex_formats.h"

struct SpriteBatch {
  const KQ_IndexedMesh<DX_V::PCT>& geometry;
  IDirect3DTexture9* frameTexture;   // may be null: the sprites are drawn untextured
  IDirect3DTexture9* secondTexture;  // null when the sprites have none
  bool additive;
};
