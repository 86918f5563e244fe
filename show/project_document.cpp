#include "show/project_document.h"

#include "document/archive_string.h"
#include "document/kq_iof_r.h"

const wchar_t* const ProjectDocumentSignature = L"KVO v 4.0.0";

ProjectDocument::~ProjectDocument() { Release(); }

ProjectDocument& ProjectDocument::operator=(ProjectDocument&& other) {
  if (this != &other) {
    Release();
    manager = std::move(other.manager);
    root = std::move(other.root);
  }
  return *this;
}

void ProjectDocument::Release() {
  if (manager && CurrentDocResManager == manager.get()) CurrentDocResManager = nullptr;
  root.reset();  // the show goes before the textures it was given
  manager.reset();
}

std::unique_ptr<KQ_SlideShow_Light> ReadRootRecord(KQ_IOF_Virtual& stream) {
  ReadSectionHeader(stream);
  auto root = std::make_unique<KQ_SlideShow_Light>();
  root->ReadSlides(stream);
  root->ReadAudioFiles(stream);
  return root;
}

std::unique_ptr<KQ_DocResManager> ReadDocResManagerRecord(KQ_IOF_Virtual& stream) {
  const unsigned long version = ReadSectionHeader(stream);
  auto manager = std::make_unique<KQ_DocResManager>();
  if (!stream.Failed()) ReadDocResManager(*manager, stream, version);
  return manager;
}

ProjectDocument ReadProjectDocument(const void* bytes, size_t size) {
  const auto* start = static_cast<const uint8_t*>(bytes);
  kq_string signature;
  const size_t signatureSize = ReadArchiveStringFromMemory(start, size, signature);
  if (signatureSize == 0) throw DocumentLoadFailure;
  ResourceBuffer buffer(start + signatureSize, size - signatureSize);
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  ProjectDocument document;
  document.root = ReadRootRecord(stream);
  if (!stream.Failed()) document.manager = ReadDocResManagerRecord(stream);
  if (stream.Failed()) throw DocumentLoadFailure;
  CurrentDocResManager = document.manager.get();
  return document;
}

ProjectDocument LoadProjectDocument() {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(ProjectDocumentResource), L"DDS");
  const DWORD size = found ? SizeofResource(nullptr, found) : 0;
  HGLOBAL loaded = size ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw DocumentLoadFailure;
  return ReadProjectDocument(bytes, size);
}

void WriteProjectDocument(KQ_IOF_Virtual& stream, const KQ_SlideShow_Light& root,
                          const KQ_DocResManager& manager) {
  stream.WriteString(ProjectDocumentSignature);
  root.Write(stream);
  manager.Write(stream);
}
