#include "document/archive_string.h"

#include <gtest/gtest.h>

#include "tests/support/guarded_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;
using testing_support::GuardedBytes;

// A String header followed by `units` copies of 'x'.
Bytes StringOf(Bytes header, size_t units) {
  for (size_t i = 0; i < units; ++i) header.insert(header.end(), {'x', 0});
  return header;
}

struct DecodeCase {
  const char* what;
  Bytes bytes;
  kq_string expected_text;
  size_t expected_size;
};

TEST(ArchiveString, DecodesEveryLengthForm) {
  const DecodeCase cases[] = {
      {"L = 0 keeps the old text", {0xFF, 0xFE, 0xFF, 0x00}, L"old", 4},
      {"short form", {0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b', 0}, L"ab", 8},
      {"a unit 0 cuts the text but all units are consumed",
       {0xFF, 0xFE, 0xFF, 0x04, 'a', 0, 'b', 0, 0, 0, 'c', 0},
       L"ab",
       12},
      {"M form with 0 units keeps the old text", {0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x00}, L"old", 6},
      {"M = 0x0100 holds 256 units", StringOf({0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01}, 256),
       kq_string(256, L'x'), 518},
      {"N form", StringOf({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0}, 3), L"xxx", 16},
      {"the three marker bytes are skipped unread", {0, 0, 0, 0x01, 'z', 0}, L"z", 6},
  };
  for (const DecodeCase& c : cases) {
    GuardedBytes bytes(c.bytes);
    kq_string text = L"old";
    EXPECT_EQ(c.expected_size, ReadArchiveStringFromMemory(bytes.Data(), bytes.Size(), text))
        << c.what;
    EXPECT_EQ(c.expected_text, text) << c.what;
  }
}

TEST(ArchiveString, RejectsLengthsBeyondTheBytesWithoutTouchingTheText) {
  const Bytes cases[] = {
      {0xFF, 0xFE, 0xFF},                                      // no length byte
      {0xFF, 0xFE, 0xFF, 0xFF, 0x10},                          // M cut short
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0},              // N cut short
      {0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'},                   // last unit cut short
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0},  // N = 2^32 - 1
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'a', 0},  // 2N wraps 32 bits
  };
  for (const Bytes& c : cases) {
    GuardedBytes bytes(c);
    kq_string text = L"old";
    EXPECT_EQ(0u, ReadArchiveStringFromMemory(bytes.Data(), bytes.Size(), text));
    EXPECT_EQ(L"old", text);
  }
}

TEST(ArchiveString, WritesTheShortestFormThatHoldsTheText) {
  const struct {
    size_t units;
    Bytes header;
  } cases[] = {
      {0, {0xFF, 0xFE, 0xFF, 0x00}},
      {254, {0xFF, 0xFE, 0xFF, 0xFE}},
      {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
      {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}},
      {0xFFFF, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
  };
  for (const auto& c : cases) {
    Bytes written;
    const kq_string text(c.units, L'x');
    AppendArchiveString(written, text);
    EXPECT_EQ(StringOf(c.header, c.units), written) << c.units << " units";
    kq_string read;
    EXPECT_EQ(written.size(), ReadArchiveStringFromMemory(written.data(), written.size(), read));
    EXPECT_EQ(text, read);
  }
}

}  // namespace
