// The resource manager's maps of asset bytes and of what it made from them. Maps keyed by a link
// are in FileLinkKeyLess order, maps keyed by a GUID in GuidKeyLess order; looking a key up with
// operator[] inserts the empty value (an empty list, a not-loaded mesh, no effect, no texture).
#pragma once

#include <d3dx9effect.h>

#include <map>
#include <vector>

#include "document/embedded_data.h"
#include "document/file_link_key.h"
#include "document/guid_key.h"
#include "document/mesh_record.h"
#include "document/texture_list.h"
#include "render/com_holder.h"

class PingPongTarget;

template <class Value>
using FileLinkMap = std::map<FileLinkKey, Value, FileLinkKeyLess>;
template <class Value>
using GuidMap = std::map<GuidKey, Value, GuidKeyLess>;
using EmbeddedDataList = std::vector<KQ_EmbeddedData>;

struct ResourceCache {
  ResourceCache() = default;
  ResourceCache(const ResourceCache&) = delete;
  ResourceCache& operator=(const ResourceCache&) = delete;
  ~ResourceCache();

  FileLinkMap<EmbeddedDataList> linkBlobs;          // map C: bytes of mesh and effect links
  FileLinkMap<EmbeddedDataList> imageBlobs;         // map A: image frames; empty after loading
  FileLinkMap<std::vector<float>> imageFrameTimes;  // map B: seconds per frame
  GuidMap<DataBlob> guidTextureBlobs;               // map D: DDS bytes; empty after loading
  FileLinkMap<TextureList> textureLists;
  FileLinkMap<MeshRecord> meshes;
  GuidMap<PingPongTarget*> guidTargets;             // not owned; nothing in the player fills it
  FileLinkMap<ComHolder<ID3DXEffect>> effects;
  FileLinkMap<EmbeddedDataList> blobCache;          // the bytes behind every resolved link
  // Generated textures restored from the document, one reference each. Users keep the address
  // of an entry, so the pointers stay plain.
  GuidMap<IDirect3DTexture9*> guidTextures;
};
