#include "document/mesh_loading.h"

#include "document/module_resource.h"

bool LoadMeshResource(ResourceMaker& maker, HMODULE module, int id, UINT vertexSize,
                      MeshRecord& record) {
  ResourceBytes found;
  if (!module || !FindResourceBytes(module, id, DdsResourceType, found)) return false;
  return maker.LoadMeshFromMemory(found.bytes, found.size, vertexSize, record);
}
