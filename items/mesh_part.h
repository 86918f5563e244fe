// One textured part of a 3D object, drawn once at each of the frames it is attached to (the
// instances of the object). The part does not own those frames.
#pragma once

#include <vector>

#include "document/file_link.h"
#include "document/image_file_link.h"
#include "render/textured_indexed_mesh.h"
#include "render/vertex_formats.h"

struct MeshPart : TexturedIndexedMesh<DX_V::PNT> {
  // The link's mesh from CurrentDocResManager: its buffers (a reference each), counts and
  // bounding sphere, drawn as a triangle list. A mesh that cannot be made leaves the part
  // without buffers, so it draws nothing.
  static void LoadMesh(MeshPart& part, const KQ_MeshFile& meshLink);
  // The image's first frame as the texture (none when the image has no frame), then LoadMesh.
  static void LoadTexturedMesh(MeshPart& part, const KQ_ImageFileLink& imageLink,
                               const KQ_MeshFile& meshLink);

  std::vector<KQ_Frame*> frames;  // where the part is drawn, in drawing order
};
