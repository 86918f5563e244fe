#include "document/archive_string.h"

#include <cstring>

namespace {

constexpr size_t MarkerBytes = 3;  // FF FE FF, skipped unread

uint32_t ReadLittleEndian(const uint8_t* p, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

void AppendLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

size_t ReadArchiveStringFromMemory(const uint8_t* bytes, size_t available, kq_string& text) {
  size_t header = MarkerBytes + 1;
  if (available < header) return 0;
  uint32_t units = bytes[MarkerBytes];
  if (units == 0xFF) {
    header += 2;
    if (available < header) return 0;
    units = ReadLittleEndian(bytes + MarkerBytes + 1, 2);
    if (units == 0xFFFF) {
      header += 4;
      if (available < header) return 0;
      units = ReadLittleEndian(bytes + MarkerBytes + 3, 4);
    }
  }
  // Compared by division so that a hostile 32-bit length cannot wrap the size computation.
  if (units > (available - header) / 2) return 0;
  if (units > 0) {
    kq_string decoded(units, L'\0');
    std::memcpy(&decoded[0], bytes + header, units * size_t{2});
    const size_t terminator = decoded.find(L'\0');
    if (terminator != kq_string::npos) decoded.resize(terminator);
    text = std::move(decoded);
  }
  return header + units * size_t{2};
}

void AppendArchiveString(std::vector<uint8_t>& out, const kq_string& text) {
  const uint32_t units = static_cast<uint32_t>(text.size());
  out.insert(out.end(), {0xFF, 0xFE, 0xFF});
  if (units < 0xFF) {
    out.push_back(static_cast<uint8_t>(units));
  } else {
    out.push_back(0xFF);
    if (units < 0xFFFF) {
      AppendLittleEndian(out, units, 2);
    } else {
      AppendLittleEndian(out, 0xFFFF, 2);
      AppendLittleEndian(out, units, 4);
    }
  }
  for (wchar_t unit : text) AppendLittleEndian(out, static_cast<uint16_t>(unit), 2);
}
