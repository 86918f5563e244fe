// Meshes from content-pack resources.
#pragma once

#include <windows.h>

#include "document/resource_maker.h"

// "DDS" resource `id` of `module` through the maker's mesh pipeline; false (record unchanged)
// when the resource is missing or its data does not make a mesh.
bool LoadMeshResource(ResourceMaker& maker, HMODULE module, int id, UINT vertexSize,
                      MeshRecord& record);
