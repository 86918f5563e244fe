#include "document/doc_res_manager.h"

#include "document/d3dx_resource_maker.h"
#include "document/kq_iof_r.h"
#include "document/module_resource.h"
#include "document/stream_lists.h"
#include "render/current_device.h"
#include "render/ping_pong_target.h"

KQ_DocResManager* CurrentDocResManager = nullptr;

namespace {

// The record of a link's pack resource, without bytes.
KQ_EmbeddedData PackRecord(const KQ_FileLink3& link) {
  return KQ_EmbeddedData(ModuleResourceId(link.Key().id), link.Key().path);
}

}  // namespace

KQ_DocResManager::KQ_DocResManager()
    : KQ_DocResManager(std::make_unique<D3DXResourceMaker>(CurrentDevice)) {}

KQ_DocResManager::KQ_DocResManager(std::unique_ptr<ResourceMaker> maker)
    : maker_(std::move(maker)),
      docResCache_(std::make_unique<DocResCache>(*maker_)),
      resourceCache_(std::make_unique<ResourceCache>()) {}

KQ_DocResManager::~KQ_DocResManager() = default;

const TextureList& KQ_DocResManager::GetImageTextures(const KQ_ImageFileLink& link) {
  TextureList& list = resourceCache_->textureLists[link.Key()];
  if (!list.HasFrames() && link.LowerExtension() == L".dll") LoadDllLinkTexture(list, link);
  return list;
}

void KQ_DocResManager::LoadDllLinkTexture(TextureList& list, const KQ_FileLink3& link) {
  const KQ_EmbeddedData record = PackRecord(link);
  resourceCache_->blobCache[link.Key()].push_back(record);
  list.frames.clear();
  list.AppendFrame(docResCache_->GetEmbeddedDataTexture(record));
}

const TextureList& KQ_DocResManager::GetDllImageTextures(const KQ_ImageFileLink& link) {
  TextureList& list = resourceCache_->textureLists[link.Key()];
  if (list.HasFrames()) return list;
  HMODULE pack = docResCache_->GetModule(link.Key().path);
  ResourceBytes found;
  if (!pack || !FindResourceBytes(pack, link.Key().id, DdsResourceType, found)) return list;

  // uint32 n, n float seconds, uint32 m, m records: read within the resource's own size.
  ResourceBuffer buffer(found.bytes, found.size);
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  std::vector<float> frameTimes;
  EmbeddedDataList records;
  ReadFloatVector(stream, frameTimes);
  ReadEmbeddedDataVector(stream, records);
  if (stream.Failed()) return list;

  list.frameTimes = std::move(frameTimes);
  list.frames.clear();
  for (const KQ_EmbeddedData& record : records) {
    list.AppendFrame(docResCache_->GetEmbeddedDataTexture(record));
  }
  resourceCache_->blobCache[link.Key()] = std::move(records);
  return list;
}

const MeshRecord* KQ_DocResManager::GetMesh(const KQ_MeshFile& link, UINT vertexSize) {
  MeshRecord& mesh = resourceCache_->meshes[link.Key()];
  if (mesh.IsLoaded()) return &mesh;
  const EmbeddedDataList& records = LinkRecords(link, DdsResourceType);
  if (!records.empty() && !records.front().bytes.empty()) {
    maker_->LoadMeshFromMemory(records.front().bytes.data(), records.front().Size(), vertexSize,
                               mesh);
  }
  return &mesh;
}

ID3DXEffect* KQ_DocResManager::GetEffect(const KQ_HLSLEffectFile& link) {
  ComHolder<ID3DXEffect>& effect = resourceCache_->effects[link.Key()];
  if (!effect.Get()) {
    const EmbeddedDataList& records = LinkRecords(link, RT_RCDATA);
    if (!records.empty() && !records.back().bytes.empty()) {
      if (FAILED(maker_->CreateEffect(records.back().bytes.data(), records.back().Size(),
                                      effect.Out()))) {
        effect.Release();
      }
    }
  }
  ID3DXEffect* shared = effect.Get();
  if (shared) shared->AddRef();
  return shared;
}

const EmbeddedDataList& KQ_DocResManager::LinkRecords(const KQ_FileLink3& link,
                                                      const wchar_t* resourceType) {
  EmbeddedDataList& records = resourceCache_->blobCache[link.Key()];
  if (records.empty()) {
    KQ_EmbeddedData record = PackRecord(link);
    // Only bytes that were found are kept, so a pack that was missing is looked for again.
    if (record.LoadFromModule(docResCache_->GetModule(record.module), resourceType)) {
      records.push_back(std::move(record));
    }
  }
  return records;
}

void KQ_DocResManager::OnLostDevice() {
  for (auto& [key, effect] : resourceCache_->effects) {
    if (effect.Get()) effect.Get()->OnLostDevice();
  }
  for (auto& [key, target] : resourceCache_->guidTargets) {
    if (target) target->Release();
  }
}

void KQ_DocResManager::OnResetDevice() {
  for (auto& [key, effect] : resourceCache_->effects) {
    if (effect.Get()) effect.Get()->OnResetDevice();
  }
  for (auto& [key, target] : resourceCache_->guidTargets) {
    if (target) target->CreateCopyOf(resourceCache_->guidTextures[key], 512, 512);
  }
}

KQ_ImageFileLink KQ_DocResManager::MakeImageLink(const KQ_EmbeddedData& record) {
  const KQ_FileLink3 link(record);
  EmbeddedDataList& records = resourceCache_->blobCache[link.Key()];
  if (records.empty()) records.push_back(record);
  TextureList& list = resourceCache_->textureLists[link.Key()];
  list.frames.clear();
  list.AppendFrame(docResCache_->GetEmbeddedDataTexture(record));
  return KQ_ImageFileLink(link);
}

KQ_ImageFileLink KQ_DocResManager::MakeAnimatedImageLink(
    const std::vector<float>& frameTimes, const std::list<KQ_EmbeddedData>& records) {
  if (records.empty()) return KQ_ImageFileLink();
  const KQ_FileLink3 link(records.front());
  TextureList& list = resourceCache_->textureLists[link.Key()];
  if (!list.HasFrames()) {
    EmbeddedDataList& cached = resourceCache_->blobCache[link.Key()];
    for (const KQ_EmbeddedData& record : records) {
      list.AppendFrame(docResCache_->GetEmbeddedDataTexture(record));
      cached.push_back(record);
    }
    list.frameTimes = frameTimes;
  }
  return KQ_ImageFileLink(link);
}

KQ_ImageFileLink KQ_DocResManager::MakeFileImageLink(const kq_string& path) {
  KQ_ImageFileLink link{KQ_FileLink3(path)};
  GetImageTextures(link);
  return link;
}
