// One textured part of a 3D object, drawn once at each of the frames it is attached to (the
// instances of the object). The part does not own those frames.
#pragma once

#include <vector>

#include "scene/textured_indexed_mesh.h"
#include "scene/vertex_formats.h"

struct MeshPart : TexturedIndexedMesh<DX_V::PNT> {
  std::vector<KQ_Frame*> frames;  // where the part is drawn, in drawing order
};
