// The stored String form: FF FE FF, a length byte L, then a uint16 M when L = 0xFF, then a
// uint32 N when M = 0xFFFF, then that many UTF-16LE units with no terminator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/kq_string.h"

// Decodes the String at `bytes` (of which `available` may be read) into `text` and returns
// the bytes it occupies, or 0 when it does not fit (then `text` is unchanged). A length of 0
// keeps `text`; a unit 0 inside the stored units ends the text there.
size_t ReadArchiveStringFromMemory(const uint8_t* bytes, size_t available, kq_string& text);

// Appends `text` in the shortest length form that holds it.
void AppendArchiveString(std::vector<uint8_t>& out, const kq_string& text);
