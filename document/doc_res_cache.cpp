#include "document/doc_res_cache.h"

#include "document/mesh_loading.h"
#include "document/module_resource.h"
#include "document/texture_loading.h"

namespace {

// The size a record's picture gets when its pack is missing and its bytes make nothing.
constexpr UINT MissingPackWidth = 800;
constexpr UINT MissingPackHeight = 600;

}  // namespace

TextureEntry DocResCache::GetEmbeddedDataTexture(const KQ_EmbeddedData& record) {
  if (!record.name.empty()) {
    if (record.bytes.empty()) return GetFileTexture(record);
    TextureEntry entry;
    MakeTextureEntryFromBytes(maker_, entry, record.bytes.data(), record.Size());
    return entry;
  }

  // A pack's resource; the record's own copy of it serves when the pack's resource does not.
  if (HMODULE module = GetModule(record.module)) {
    TextureEntry& entry = moduleTextures[{module, record.id}];
    if (entry.texture.Get()) return entry;
    D3DXIMAGE_INFO info{};
    ComHolder<IDirect3DTexture9> texture;
    if (FAILED(LoadModuleTextureResource(maker_, module, record.id, info, texture.Out()))) {
      LoadTextureFromMemory(maker_, record.bytes.data(), record.Size(), info, texture.Out());
    }
    entry.Set(info, texture.Get());
    return entry;
  }

  TextureEntry& entry = namedModuleTextures[{record.module, record.id}];
  if (entry.texture.Get()) return entry;
  D3DXIMAGE_INFO info{};
  info.Width = MissingPackWidth;
  info.Height = MissingPackHeight;
  ComHolder<IDirect3DTexture9> texture;
  LoadTextureFromMemory(maker_, record.bytes.data(), record.Size(), info, texture.Out());
  entry.Set(info, texture.Get());
  return entry;
}

TextureEntry DocResCache::GetFileTexture(const KQ_EmbeddedData& record) {
  TextureEntry& entry = fileTextures[record.name];
  if (entry.texture.Get()) return entry;
  D3DXIMAGE_INFO info{};
  ComHolder<IDirect3DTexture9> texture;
  if (FAILED(maker_.CreateTextureFromFile(record.name, &info, texture.Out()))) {
    texture.Release();
    info = D3DXIMAGE_INFO{};
  }
  entry.Set(info, texture.Get());
  return entry;
}

HMODULE DocResCache::GetModule(const kq_string& moduleName) {
  const auto found = modules.find(moduleName);
  if (found != modules.end()) return found->second;
  HMODULE module = LoadContentPack(moduleName);
  if (module) modules.emplace(moduleName, module);
  return module;
}

IDirect3DTexture9* DocResCache::GetResourceTexture(int id) {
  ComHolder<IDirect3DTexture9>& slot = resourceTextures[id];
  if (!slot.Get()) LoadTextureResource(maker_, id, true, slot.Out());
  IDirect3DTexture9* texture = slot.Get();
  if (texture) texture->AddRef();
  return texture;
}

MeshRecord DocResCache::GetEmbeddedDataMesh(const KQ_EmbeddedData& record, UINT vertexSize) {
  MeshRecord mesh;
  if (HMODULE module = GetModule(record.module)) {
    const ModuleResourceKey key{module, record.id};
    const auto cached = moduleMeshes.find(key);
    if (cached != moduleMeshes.end()) return cached->second;
    // Kept also when it failed: the pack's resource will not change.
    LoadMeshResource(maker_, module, record.id, vertexSize, mesh);
    moduleMeshes.emplace(key, mesh);
  } else if (!record.bytes.empty()) {
    maker_.LoadMeshFromMemory(record.bytes.data(), record.Size(), vertexSize, mesh);
  } else {
    maker_.LoadMeshFromFile(record.name, vertexSize, mesh);
  }
  return mesh;
}
