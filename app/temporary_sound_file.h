// Embedded sound files become files in the temporary folder, because the sound graph plays
// files. A record whose stored path exists plays that file and lets go of its bytes.
//
// The temporary name never comes from the document alone: it carries a hash of the bytes, so
// two records with the same file name in different folders do not overwrite each other, the
// same bytes (another monitor's copy of the show) are written once per process, and a name
// made of path tricks cannot leave the folder.
#pragma once

#include <string>

#include "document/data_blob.h"

// The file name for the bytes of `file`: "brindlewick-<hash>-<name>", where <name> is the
// stored path's last component with characters that file names cannot hold replaced, shortened
// to keep its extension ("sound" when nothing usable is left).
std::wstring TemporarySoundName(const DataBlob& file);

// Writes the bytes of `file` into `folder` (ending in a backslash) and renames the blob to the
// new file, which lets go of the bytes; when the path would be too long or the file cannot be
// written completely, the blob keeps its bytes and its name. A blob without bytes is left as it
// is; one whose stored path names an existing file drops its bytes.
void MaterialiseAudioFile(DataBlob& file, const std::wstring& folder);

// The same in the system's temporary folder.
void MaterialiseAudioFile(DataBlob& file);
