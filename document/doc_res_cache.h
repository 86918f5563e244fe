// The texture cache of a resource manager: textures of the program's own resources, of files,
// of content-pack resources, the content packs loaded so far, and the meshes of content-pack
// records. Code without a manager at hand reaches the cache of CurrentDocResManager.
//
// What failed is tried again on the next request (a null texture is never final here), except
// a content-pack mesh whose pack loaded: that stays as it came out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <utility>

#include "document/embedded_data.h"
#include "document/mesh_record.h"
#include "document/resource_maker.h"
#include "render/com_holder.h"
#include "render/texture_entry.h"

class DocResCache {
public:
  using ModuleResourceKey = std::pair<HMODULE, int32_t>;     // loaded pack, resource id
  using NamedModuleKey = std::pair<kq_string, int32_t>;      // pack name, resource id

  explicit DocResCache(ResourceMaker& maker) : maker_(maker) {}
  DocResCache(const DocResCache&) = delete;
  DocResCache& operator=(const DocResCache&) = delete;

  // The texture of one asset record (a reference of its own): a named record's bytes (decoded
  // anew on every call) or file; an unnamed record's content-pack resource, else its bytes.
  TextureEntry GetEmbeddedDataTexture(const KQ_EmbeddedData& record);
  // The texture of the file named by the record's name, cached by path.
  TextureEntry GetFileTexture(const KQ_EmbeddedData& record);
  // The content pack of that name, loaded on first use; null when it cannot be loaded (then it
  // is tried again next time).
  HMODULE GetModule(const kq_string& moduleName);
  // A texture of the program's own "DDS" resource `id` with a reference added, or null.
  IDirect3DTexture9* GetResourceTexture(int id);
  // The mesh of one asset record (a copy with references of its own): the content-pack resource
  // when the pack loads (cached by pack and id), else the record's bytes, else its file.
  MeshRecord GetEmbeddedDataMesh(const KQ_EmbeddedData& record, UINT vertexSize);

  ResourceMaker& Maker() const { return maker_; }

  std::map<int32_t, ComHolder<IDirect3DTexture9>> resourceTextures;
  std::map<kq_string, TextureEntry> fileTextures;
  std::map<ModuleResourceKey, TextureEntry> moduleTextures;
  std::map<NamedModuleKey, TextureEntry> namedModuleTextures;  // records whose pack is missing
  std::map<ModuleResourceKey, MeshRecord> moduleMeshes;
  std::map<kq_string, HMODULE> modules;

private:
  ResourceMaker& maker_;
};
