// The show as one binary project document, stored in the executable as resource "DDS" 107:
//
//   String signature ("KVO v 4.0.0", never compared)
//   root record:    "KQ_SlideShow_Light", version, the slides, the audio records
//   manager record: "KQ_DocResManager", version, the asset maps; it ends the document
//
// A document that is missing, cut short or otherwise unreadable is refused as a whole with
// DocumentLoadFailure: nothing of it is kept, and CurrentDocResManager stays as it was.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "document/doc_res_manager.h"
#include "show/document_load_failure.h"
#include "show/kq_slide_show_light.h"

constexpr int ProjectDocumentResource = 107;
extern const wchar_t* const ProjectDocumentSignature;

// A loaded document: its root and the resource manager that holds its assets. The root goes
// first, so nothing of the show outlives the textures it was given. While the document lives the
// screen player makes its manager the current one whenever it selects its monitor.
struct ProjectDocument {
  ProjectDocument() = default;
  ProjectDocument(ProjectDocument&&) = default;
  // The old document goes first, as on destruction.
  ProjectDocument& operator=(ProjectDocument&& other);
  // The manager stops being the current one when it goes.
  ~ProjectDocument();

  std::unique_ptr<KQ_DocResManager> manager;
  std::unique_ptr<KQ_SlideShow_Light> root;

private:
  void Release();
};

// The executable's own document; on success its manager becomes CurrentDocResManager. Throws
// DocumentLoadFailure.
ProjectDocument LoadProjectDocument();
// The same from document bytes in memory (which may be released afterwards). The manager makes
// its textures on CurrentDevice.
ProjectDocument ReadProjectDocument(const void* bytes, size_t size);

// The root record, header included; stops at the first failure of the stream.
std::unique_ptr<KQ_SlideShow_Light> ReadRootRecord(KQ_IOF_Virtual& stream);
// The manager record, header included; the stored version chooses the maps present.
std::unique_ptr<KQ_DocResManager> ReadDocResManagerRecord(KQ_IOF_Virtual& stream);

// Signature, root record, manager record: what ReadProjectDocument reads.
void WriteProjectDocument(KQ_IOF_Virtual& stream, const KQ_SlideShow_Light& root,
                          const KQ_DocResManager& manager);
