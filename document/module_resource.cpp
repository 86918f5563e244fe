#include "document/module_resource.h"

const wchar_t* const DdsResourceType = L"DDS";

bool FindResourceBytes(HMODULE module, int64_t id, const wchar_t* type, ResourceBytes& found) {
  if (id < 1 || id > 0xFFFF) return false;
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(static_cast<WORD>(id)), type);
  if (!info) return false;
  const DWORD size = SizeofResource(module, info);
  HGLOBAL handle = size != 0 ? LoadResource(module, info) : nullptr;
  const void* bytes = handle ? LockResource(handle) : nullptr;
  if (!bytes) return false;
  found = {bytes, size};
  return true;
}

HMODULE LoadContentPack(const kq_string& moduleName) {
  if (moduleName.empty()) return nullptr;
  // As an image resource: the pack's entry point and its imports are never touched.
  return LoadLibraryExW(moduleName.c_str(), nullptr,
                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}
