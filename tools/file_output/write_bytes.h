// The build tools' one way of writing an output file: all of `bytes` to `path`, replacing what
// was there. False when the file could not be opened, written in full or closed.
#pragma once

#include <cstdint>
#include <vector>

bool WriteBytes(const char* path, const std::vector<uint8_t>& bytes);
