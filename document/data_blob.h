#pragma once

#include <cstdint>
#include <vector>

#include "document/kq_string.h"

// A named block of asset bytes owned by the document (a file's content, a saved texture).
struct DataBlob {
  kq_string name;
  std::vector<uint8_t> bytes;

  uint32_t Size() const { return static_cast<uint32_t>(bytes.size()); }

  // A new name lets go of the bytes (they belonged to the old name); the same name keeps them.
  void Rename(const kq_string& newName) {
    if (newName == name) return;
    bytes.clear();
    bytes.shrink_to_fit();
    name = newName;
  }
};

// The text after the last backslash of a path; empty when the path has none.
inline kq_string PathFileName(const kq_string& path) {
  const size_t slash = path.rfind(L'\\');
  return slash == kq_string::npos ? kq_string() : path.substr(slash + 1);
}
