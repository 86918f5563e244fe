#include "items/mesh_part.h"

#include "document/doc_res_manager.h"
#include "document/first_frame.h"

void MeshPart::LoadMesh(MeshPart& part, const KQ_MeshFile& meshLink) {
  static const MeshRecord NoMesh;
  const MeshRecord* record =
      CurrentDocResManager ? CurrentDocResManager->GetMesh(meshLink, sizeof(DX_V::PNT)) : nullptr;
  if (!record || !record->IsLoaded()) record = &NoMesh;
  ShareReference(&part.vertexBuffer, record->vertices.Get());
  ShareReference(&part.indexBuffer, record->indices.Get());
  part.vertexCount = record->vertexCount;
  // The indexed draw takes its primitive count from the triangle count.
  part.primitiveCount = record->faceCount;
  part.triangleCount = record->faceCount;
  part.primitiveType = D3DPT_TRIANGLELIST;
  part.frame.radius = record->radius;
  part.frame.centre = record->centre;
}

void MeshPart::LoadTexturedMesh(MeshPart& part, const KQ_ImageFileLink& imageLink,
                                const KQ_MeshFile& meshLink) {
  ShareReference(&part.texture, FirstFrame(imageLink));
  LoadMesh(part, meshLink);
}
