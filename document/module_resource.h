// Resources of the program and of content packs, by number. Only 1..65535 name a resource: a
// number outside that range would be taken for a resource name pointer, so it finds nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "document/kq_string.h"

// The type of pictures, animated images and meshes in the program and in content packs.
extern const wchar_t* const DdsResourceType;

struct ResourceBytes {
  const void* bytes = nullptr;
  UINT size = 0;
};

// The resource number a link id names: the id itself when it is one, else 0, which names none
// (a larger id must not wrap around onto a small number).
inline int32_t ModuleResourceId(int64_t linkId) {
  return linkId >= 1 && linkId <= 0xFFFF ? static_cast<int32_t>(linkId) : 0;
}

// The locked bytes of resource `id` of `type` in `module` (null: the program itself); false
// when the id is out of range or the resource is missing, empty or cannot be locked.
bool FindResourceBytes(HMODULE module, int64_t id, const wchar_t* type, ResourceBytes& found);

// Loads a content pack named by a document for its resources only: none of its code runs.
// Null when it cannot be loaded (tried again on the next call). Each name is loaded once per
// process, and packs are never freed.
HMODULE LoadContentPack(const kq_string& moduleName);
