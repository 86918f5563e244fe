#pragma once

#include <cstdint>
#include <vector>

#include "document/kq_string.h"

// A named block of asset bytes owned by the document (a file's content, a saved texture).
struct DataBlob {
  kq_string name;
  std::vector<uint8_t> bytes;

  uint32_t Size() const { return static_cast<uint32_t>(bytes.size()); }
};
