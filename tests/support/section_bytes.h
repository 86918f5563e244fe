// Document sections as bytes in tests: hand-written fixtures built row by row from stored
// fields, what a writer makes of a section, and reading bytes back with the check that every one
// of them was used.
//
// A fixture's rows are encoded here byte by byte, not through KQ_IOF_W, so a mistake in the
// writer's primitives cannot make the fixture agree with it:
//
//   const std::vector<uint8_t> camera =
//       Fixture({String(L"KQM_Camera"), ULong(1), Int(1), UInt(135), UInt(75)});
//
// A row may also be a whole section built the same way, so sections nest as they do in a
// document.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"

namespace testing_support {

// One stored field, or a whole nested section, as the bytes a document holds.
struct StoredField {
  // Not explicit: a section built by Fixture is a row of the section around it.
  StoredField(std::vector<uint8_t> section) : bytes(std::move(section)) {}

  std::vector<uint8_t> bytes;
};

namespace stored_fields {

inline std::vector<uint8_t> LittleEndian(uint64_t value, int size) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
  return bytes;
}

inline StoredField ULong(uint32_t value) { return LittleEndian(value, 4); }
inline StoredField UInt(uint32_t value) { return LittleEndian(value, 4); }
inline StoredField Int(int32_t value) { return LittleEndian(static_cast<uint32_t>(value), 4); }
inline StoredField Int64(int64_t value) { return LittleEndian(static_cast<uint64_t>(value), 8); }
inline StoredField Bool(bool value) { return LittleEndian(value ? 1 : 0, 1); }
inline StoredField Raw(std::vector<uint8_t> bytes) { return bytes; }

inline StoredField Float(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return LittleEndian(bits, 4);
}

// FF FE FF, the length in its shortest form (a byte, or FF and a uint16), then the UTF-16LE
// units without a terminator. Fixtures hold no text long enough for the uint32 form.
inline StoredField String(const std::wstring& text) {
  std::vector<uint8_t> bytes{0xFF, 0xFE, 0xFF};
  auto append = [&](const std::vector<uint8_t>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
  };
  EXPECT_LT(text.size(), 0xFFFFu) << "too long for a fixture";
  if (text.size() < 0xFF) {
    append(LittleEndian(text.size(), 1));
  } else {
    append(LittleEndian(0xFF, 1));
    append(LittleEndian(text.size(), 2));
  }
  for (wchar_t unit : text) append(LittleEndian(static_cast<uint16_t>(unit), 2));
  return bytes;
}

}  // namespace stored_fields

inline std::vector<uint8_t> Fixture(std::initializer_list<StoredField> rows) {
  std::vector<uint8_t> bytes;
  for (const StoredField& row : rows) bytes.insert(bytes.end(), row.bytes.begin(), row.bytes.end());
  return bytes;
}

inline std::vector<uint8_t> Written(const std::function<void(KQ_IOF_Virtual&)>& write) {
  KQ_IOF_W writer;
  write(writer);
  return writer.Bytes();
}

// Reads `bytes` with `read` and expects the whole of them to be used.
template <class Read>
auto ReadAll(const std::vector<uint8_t>& bytes, Read read) {
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  auto result = read(stream);
  EXPECT_FALSE(stream.Failed());
  EXPECT_EQ(0u, buffer.Remaining());
  return result;
}

}  // namespace testing_support
