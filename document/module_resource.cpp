#include "document/module_resource.h"

#include <map>

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
  // A data-file load maps the whole pack anew on every call, where LoadLibraryW would hand back
  // the module already loaded: without this table every document load kept one more copy.
  static std::map<kq_string, HMODULE> loaded;
  const auto found = loaded.find(moduleName);
  if (found != loaded.end()) return found->second;
  // As an image resource: the pack's entry point and its imports are never touched.
  HMODULE module = LoadLibraryExW(moduleName.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module) loaded.emplace(moduleName, module);
  return module;
}
