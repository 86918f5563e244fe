// File links: settings whose value is a FileLinkKey naming an asset, a resource of a content
// pack module, a file on disk, or a record embedded in the document. A link only names its
// asset; the document resource manager turns it into a texture, mesh or effect, choosing the
// kind of asset by the link's class (KQ_ImageFileLink, KQ_MeshFile, KQ_HLSLEffectFile).
//
//   KQ_HLSLEffectFile effectFile{77, L"tessaly.dll"};   // resource 77 of the content pack
#pragma once

#include <cstdint>

#include "document/embedded_data.h"
#include "document/file_link_key.h"
#include "document/kq_iof_virtual.h"
#include "document/media_param.h"

// Running number of links made from embedded records without a resource id; it grows for the
// life of the process, across documents, so two records of the same name get different keys.
extern int32_t EmbeddedLinkCounter;

class KQ_FileLink3 : public MediaParam {
public:
  KQ_FileLink3() = default;
  // Resource `id` of module `module` (the default assets of settings).
  KQ_FileLink3(int id, const kq_string& module) : key_{module, id} {}
  explicit KQ_FileLink3(const FileLinkKey& key) : key_(key) {}
  // A module resource when the record has a resource id, else the record's name and the next
  // embedded-link number.
  explicit KQ_FileLink3(const KQ_EmbeddedData& record);
  // A file by path and last-write time (0 when the file cannot be examined).
  explicit KQ_FileLink3(const kq_string& path);
  // Copies take the key only, never the original's controls.
  KQ_FileLink3(const KQ_FileLink3& other) : MediaParam(other), key_(other.key_) {}
  KQ_FileLink3& operator=(const KQ_FileLink3& other) {
    key_ = other.key_;
    return *this;
  }

  const FileLinkKey& Key() const { return key_; }
  // A different key is stored and every control is told; an equal one changes nothing.
  void Set(const FileLinkKey& key);
  // Stores the key and tells no control (the reader).
  void Store(const FileLinkKey& key) { key_ = key; }

  // The path from its last "." on, A to Z lower-cased (".dll" marks a module link); empty when
  // the path has no dot.
  kq_string LowerExtension() const;

private:
  FileLinkKey key_;
};

class KQ_MeshFile : public KQ_FileLink3 {
public:
  using KQ_FileLink3::KQ_FileLink3;
};

class KQ_HLSLEffectFile : public KQ_FileLink3 {
public:
  using KQ_FileLink3::KQ_FileLink3;
};

// String path, then Int64 id, stored straight into the key: no control is told.
void ReadFileLink(KQ_IOF_Virtual& stream, KQ_FileLink3& link);
void WriteFileLink(KQ_IOF_Virtual& stream, const KQ_FileLink3& link);

inline void ReadSetting(KQ_IOF_Virtual& stream, KQ_FileLink3& link) { ReadFileLink(stream, link); }
inline void WriteSetting(KQ_IOF_Virtual& stream, const KQ_FileLink3& link) {
  WriteFileLink(stream, link);
}
