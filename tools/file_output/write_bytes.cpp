#include "tools/file_output/write_bytes.h"

#include <cstdio>

bool WriteBytes(const char* path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // A close that fails may have lost buffered bytes.
  return std::fclose(file) == 0 && written;
}
