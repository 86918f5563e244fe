// The manager's document section: the asset bytes of the document in four maps, each a count
// and then entries back to back; an entry whose key the map already holds is read and dropped.
// Reading makes the image frames and the generated textures at once, through the manager's own
// caches (the loader makes this manager current only afterwards).
#include "document/doc_res_manager.h"
#include "document/guid_string.h"
#include "document/stream_lists.h"
#include "document/texture_loading.h"

namespace {

const wchar_t* const ClassName = L"KQ_DocResManager";
constexpr unsigned long CurrentVersion = 3;

// ULong n; n x {String path; Int64 id; value}.
template <class Value, class ReadValue>
void ReadLinkMap(KQ_IOF_Virtual& stream, FileLinkMap<Value>& map, ReadValue readValue) {
  unsigned long count = 0;
  stream.ReadULong(count);
  for (unsigned long i = 0; i < count && !stream.Failed(); ++i) {
    FileLinkKey key;
    Value value{};
    stream.ReadString(key.path);
    stream.ReadInt64(key.id);
    readValue(value);
    if (!stream.Failed()) map.emplace(std::move(key), std::move(value));
  }
}

template <class Value, class WriteValue>
void WriteLinkMap(KQ_IOF_Virtual& stream, const FileLinkMap<Value>& map, WriteValue writeValue) {
  stream.WriteULong(static_cast<unsigned long>(map.size()));
  for (const auto& [key, value] : map) {
    stream.WriteString(key.path);
    stream.WriteInt64(key.id);
    writeValue(value);
  }
}

void ReadRecordMap(KQ_IOF_Virtual& stream, FileLinkMap<EmbeddedDataList>& map) {
  ReadLinkMap(stream, map, [&](EmbeddedDataList& records) {
    ReadEmbeddedDataVector(stream, records);
  });
}

void WriteRecordMap(KQ_IOF_Virtual& stream, const FileLinkMap<EmbeddedDataList>& map) {
  WriteLinkMap(stream, map, [&](const EmbeddedDataList& records) {
    WriteEmbeddedDataVector(stream, records);
  });
}

// ULong n; n x {GUID; String name; Bool flag; DataBlob}. A GUID that does not parse names
// nothing, so its entry is dropped.
void ReadGuidBlobMap(KQ_IOF_Virtual& stream, GuidMap<DataBlob>& map) {
  unsigned long count = 0;
  stream.ReadULong(count);
  for (unsigned long i = 0; i < count && !stream.Failed(); ++i) {
    GuidTexture entry;
    kq_string guid;
    stream.ReadString(guid);
    stream.ReadString(entry.key.name);
    stream.ReadBool(entry.key.flag);
    stream.ReadDataBlob(entry.blob);
    if (!stream.Failed() && ParseGuidString(guid, entry.key.id)) {
      map.emplace(std::move(entry.key), std::move(entry.blob));
    }
  }
}

void WriteGuidBlobMap(KQ_IOF_Virtual& stream, const GuidMap<DataBlob>& map) {
  stream.WriteULong(static_cast<unsigned long>(map.size()));
  for (const auto& [key, blob] : map) {
    WriteGuidString(stream, key.id);
    stream.WriteString(key.name);
    stream.WriteBool(key.flag);
    stream.WriteDataBlob(blob);
  }
}

// Every image key of map A becomes a list of exactly its records' frames, sized by the last;
// only an animated one (several frames) takes map B's times.
void MakeImageFrames(ResourceCache& resources, DocResCache& textures) {
  for (const auto& [key, records] : resources.imageBlobs) {
    resources.blobCache[key] = records;
    TextureList& list = resources.textureLists[key];
    list.frames.clear();
    for (const KQ_EmbeddedData& record : records) {
      list.AppendFrame(textures.GetEmbeddedDataTexture(record));
    }
    if (records.size() > 1) {
      const auto times = resources.imageFrameTimes.find(key);
      list.frameTimes = times != resources.imageFrameTimes.end() ? times->second
                                                                 : std::vector<float>();
    }
  }
  resources.imageBlobs.clear();
}

void MakeGuidTextures(ResourceCache& resources, ResourceMaker& maker) {
  for (const auto& [key, blob] : resources.guidTextureBlobs) {
    TextureEntry entry;
    MakeTextureEntryFromBytes(maker, entry, blob.bytes.data(), blob.Size());
    IDirect3DTexture9*& slot = resources.guidTextures[key];
    ShareReference(&slot, entry.texture.Get());
  }
  resources.guidTextureBlobs.clear();
}

}  // namespace

bool ReadDocResManager(KQ_DocResManager& manager, KQ_IOF_Virtual& stream, unsigned long version) {
  ResourceCache& resources = manager.GetResourceCache();
  // Every map is read before anything is made from them: a document cut short anywhere is
  // refused without decoding its pictures first.
  ReadRecordMap(stream, resources.imageBlobs);
  ReadLinkMap(stream, resources.imageFrameTimes,
              [&](std::vector<float>& times) { ReadFloatVector(stream, times); });
  if (version != 1) ReadRecordMap(stream, resources.linkBlobs);
  if (version != 1 && version != 2) ReadGuidBlobMap(stream, resources.guidTextureBlobs);
  if (stream.Failed()) return false;

  MakeImageFrames(resources, manager.GetDocResCache());
  // Keys that map A already filled keep its records.
  for (const auto& [key, records] : resources.linkBlobs) resources.blobCache.emplace(key, records);
  MakeGuidTextures(resources, manager.GetDocResCache().Maker());
  return true;
}

void KQ_DocResManager::Write(KQ_IOF_Virtual& stream) const {
  const ResourceCache& resources = GetResourceCache();
  WriteSectionHeader(stream, ClassName, CurrentVersion);
  WriteRecordMap(stream, resources.imageBlobs);
  WriteLinkMap(stream, resources.imageFrameTimes,
               [&](const std::vector<float>& times) { WriteFloatVector(stream, times); });
  WriteRecordMap(stream, resources.linkBlobs);
  WriteGuidBlobMap(stream, resources.guidTextureBlobs);
}
