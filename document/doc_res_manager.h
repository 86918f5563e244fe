// The document's resource manager: owns the asset bytes the document carries and turns file
// links into textures, meshes and effects on demand, caching every result per link for as long
// as the manager lives (the whole run). One manager per loaded document, so one per monitor;
// each makes its objects on the device that was current when it was constructed.
//
//   const TextureList& picture = CurrentDocResManager->GetImageTextures(light.pictureLink);
//   ID3DXEffect* effect = CurrentDocResManager->GetEffect(effectFile);  // caller releases
#pragma once

#include <d3dx9effect.h>

#include <list>
#include <memory>
#include <vector>

#include "document/doc_res_cache.h"
#include "document/file_link.h"
#include "document/image_file_link.h"
#include "document/kq_iof_item.h"
#include "document/resource_cache.h"
#include "document/resource_maker.h"
#include "document/texture_list.h"

class KQ_DocResManager : public KQ_IOF_Item {
public:
  // Makes its objects with D3DX on CurrentDevice as it is now.
  KQ_DocResManager();
  // Makes them with `maker` (tests hand in a maker that records what is asked of it).
  explicit KQ_DocResManager(std::unique_ptr<ResourceMaker> maker);
  ~KQ_DocResManager() override;
  KQ_DocResManager(const KQ_DocResManager&) = delete;
  KQ_DocResManager& operator=(const KQ_DocResManager&) = delete;

  // "KQ_DocResManager", version 3, then maps A, B, C and D as they stand.
  void Write(KQ_IOF_Virtual& stream) const override;

  // The link's frames, resolved on first request (a link naming a ".dll" takes one frame from
  // the pack's "DDS" resource). The reference stays valid while the manager lives.
  const TextureList& GetImageTextures(const KQ_ImageFileLink& link);
  // The frames of an animated-image resource of the pack the link names.
  const TextureList& GetDllImageTextures(const KQ_ImageFileLink& link);
  // One frame for a link that names a pack: `list` := exactly that frame (null when it cannot be
  // made), with its size.
  void LoadDllLinkTexture(TextureList& list, const KQ_FileLink3& link);

  // The link's mesh from the FIRST record behind it (the pack's "DDS" resource when there is
  // none); valid while the manager lives. Not loaded (vertexCount 0) when it cannot be made.
  const MeshRecord* GetMesh(const KQ_MeshFile& link, UINT vertexSize);
  // The link's effect from the LAST record behind it (the pack's RT_RCDATA resource when there
  // is none), with a reference added for the caller; null when it cannot be made.
  ID3DXEffect* GetEffect(const KQ_HLSLEffectFile& link);

  // Around a device reset: every cached effect is told, in key order.
  void OnLostDevice();
  void OnResetDevice();

  // Links for the images older settings carry inline.
  KQ_ImageFileLink MakeImageLink(const KQ_EmbeddedData& record);
  // An empty link when there are no records.
  KQ_ImageFileLink MakeAnimatedImageLink(const std::vector<float>& frameTimes,
                                         const std::list<KQ_EmbeddedData>& records);
  KQ_ImageFileLink MakeFileImageLink(const kq_string& path);

  DocResCache& GetDocResCache() { return *docResCache_; }
  ResourceCache& GetResourceCache() { return *resourceCache_; }
  const ResourceCache& GetResourceCache() const { return *resourceCache_; }
  IDirect3DDevice9* Device() const { return maker_->Device(); }

private:
  // The records behind a link: the document's, else the link's pack resource of that type.
  const EmbeddedDataList& LinkRecords(const KQ_FileLink3& link, const wchar_t* resourceType);

  std::unique_ptr<ResourceMaker> maker_;
  std::unique_ptr<DocResCache> docResCache_;
  std::unique_ptr<ResourceCache> resourceCache_;
};

// The manager in use: set by the document loader and on every monitor switch.
extern KQ_DocResManager* CurrentDocResManager;

// The body of the manager record (after its class name and version): maps A and B, then C
// unless `version` is 1, then D unless it is 1 or 2; the image frames and generated textures
// are made at once through the manager's own caches. False when the stream failed.
bool ReadDocResManager(KQ_DocResManager& manager, KQ_IOF_Virtual& stream, unsigned long version);
