// One hand-written fixture holds every primitive in the layout the stream reads; the reader
// decodes it, and the writer reproduces it byte for byte, so a mistake made the same way on
// both sides cannot hide.
#include <gtest/gtest.h>

#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "document/stream_lists.h"
#include "tests/support/guarded_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes EveryPrimitive = {
    // EmbeddedData: id 7, module "m", 2 bytes AB CD, name "n"
    0x07, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'm', 0, 0x02, 0x00, 0x00, 0x00, 0xAB, 0xCD,
    0xFF, 0xFE, 0xFF, 0x01, 'n', 0,
    // DataBlob: 1 byte 0x5A, name "b"
    0x01, 0x00, 0x00, 0x00, 0x5A, 0xFF, 0xFE, 0xFF, 0x01, 'b', 0,
    // String "hi"
    0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0,
    // Int64 -2
    0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    // Float 1.5
    0x00, 0x00, 0xC0, 0x3F,
    // Point (3, -1)
    0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,
    // ULong 0x11223344
    0x44, 0x33, 0x22, 0x11,
    // UInt 0xFFFFFFFF
    0xFF, 0xFF, 0xFF, 0xFF,
    // Char 'q', Bool true, Bool false
    'q', 0x01, 0x00,
    // Int -5
    0xFB, 0xFF, 0xFF, 0xFF,
};

struct Primitives {
  KQ_EmbeddedData embedded;
  DataBlob blob;
  kq_string text;
  int64_t int64 = 0;
  float real = 0;
  POINT point = {};
  unsigned long ulong = 0;
  unsigned int uint = 0;
  char character = 0;
  bool yes = false, no = true;
  int integer = 0;
};

void ReadAll(KQ_IOF_Virtual& stream, Primitives& p) {
  stream.ReadEmbeddedData(p.embedded);
  stream.ReadDataBlob(p.blob);
  stream.ReadString(p.text);
  stream.ReadInt64(p.int64);
  stream.ReadFloat(p.real);
  stream.ReadPoint(p.point);
  stream.ReadULong(p.ulong);
  stream.ReadUInt(p.uint);
  stream.ReadChar(p.character);
  stream.ReadBool(p.yes);
  stream.ReadBool(p.no);
  stream.ReadInt(p.integer);
}

void WriteAll(KQ_IOF_Virtual& stream, const Primitives& p) {
  stream.WriteEmbeddedData(p.embedded);
  stream.WriteDataBlob(p.blob);
  stream.WriteString(p.text);
  stream.WriteInt64(p.int64);
  stream.WriteFloat(p.real);
  stream.WritePoint(p.point);
  stream.WriteULong(p.ulong);
  stream.WriteUInt(p.uint);
  stream.WriteChar(p.character);
  stream.WriteBool(p.yes);
  stream.WriteBool(p.no);
  stream.WriteInt(p.integer);
}

TEST(StreamPrimitives, ReadTheHandWrittenLayout) {
  ResourceBuffer buffer(EveryPrimitive.data(), EveryPrimitive.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  Primitives p;
  ReadAll(stream, p);
  ASSERT_FALSE(stream.Failed());
  EXPECT_EQ(0u, buffer.Remaining());
  EXPECT_EQ(7, p.embedded.id);
  EXPECT_EQ(L"m", p.embedded.module);
  EXPECT_EQ((Bytes{0xAB, 0xCD}), p.embedded.bytes);
  EXPECT_EQ(L"n", p.embedded.name);
  EXPECT_EQ(Bytes{0x5A}, p.blob.bytes);
  EXPECT_EQ(L"b", p.blob.name);
  EXPECT_EQ(L"hi", p.text);
  EXPECT_EQ(-2, p.int64);
  EXPECT_EQ(1.5f, p.real);
  EXPECT_EQ(3, p.point.x);
  EXPECT_EQ(-1, p.point.y);
  EXPECT_EQ(0x11223344ul, p.ulong);
  EXPECT_EQ(0xFFFFFFFFu, p.uint);
  EXPECT_EQ('q', p.character);
  EXPECT_TRUE(p.yes);
  EXPECT_FALSE(p.no);
  EXPECT_EQ(-5, p.integer);
}

TEST(StreamPrimitives, WriterReproducesTheLayout) {
  ResourceBuffer buffer(EveryPrimitive.data(), EveryPrimitive.size());
  KQ_IOF_R<ResourceBuffer> reader(buffer);
  Primitives p;
  ReadAll(reader, p);
  KQ_IOF_W writer;
  WriteAll(writer, p);
  EXPECT_EQ(EveryPrimitive, writer.Bytes());
}

TEST(StreamPrimitives, WritingThroughTheReaderChangesNothing) {
  ResourceBuffer buffer(EveryPrimitive.data(), EveryPrimitive.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  Primitives p;
  WriteAll(stream, p);
  EXPECT_EQ(EveryPrimitive.data(), buffer.Cursor());
  EXPECT_FALSE(stream.Failed());
}

TEST(StreamPrimitives, EmptyBlobConsumesItsSizeAndNameOnly) {
  const Bytes bytes = {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'e', 0, 0x99};
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  DataBlob blob;
  stream.ReadDataBlob(blob);
  EXPECT_TRUE(blob.bytes.empty());
  EXPECT_EQ(L"e", blob.name);
  EXPECT_EQ(1u, buffer.Remaining());
}

TEST(StreamLists, AppendToWhatIsThere) {
  const struct {
    Bytes bytes;
    std::vector<float> expected;
  } cases[] = {
      {{0, 0, 0, 0}, {9.0f}},
      {{2, 0, 0, 0, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x40}, {9.0f, 1.0f, 2.0f}},
  };
  for (const auto& c : cases) {
    ResourceBuffer buffer(c.bytes.data(), c.bytes.size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    std::vector<float> values = {9.0f};
    ReadFloatVector(stream, values);
    EXPECT_FALSE(stream.Failed());
    EXPECT_EQ(0u, buffer.Remaining());
    EXPECT_EQ(c.expected, values);
  }
}

TEST(StreamLists, EmbeddedDataListsRoundTrip) {
  std::vector<KQ_EmbeddedData> written(2);
  written[0].name = L"a.png";
  written[0].bytes = {1, 2, 3};
  written[1] = KQ_EmbeddedData(42, L"tessaly.dll");
  KQ_IOF_W writer;
  WriteEmbeddedDataVector(writer, written);

  ResourceBuffer buffer(writer.Bytes().data(), writer.Bytes().size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  std::list<KQ_EmbeddedData> read;
  ReadEmbeddedDataList(stream, read);
  ASSERT_FALSE(stream.Failed());
  ASSERT_EQ(2u, read.size());
  EXPECT_EQ(L"a.png", read.front().name);
  EXPECT_EQ((Bytes{1, 2, 3}), read.front().bytes);
  EXPECT_EQ(42, read.back().id);
  EXPECT_EQ(L"tessaly.dll", read.back().module);
  EXPECT_TRUE(read.back().bytes.empty());
}

TEST(StreamTruncation, EveryCutFailsWithoutReadingPastTheEnd) {
  for (size_t cut = 0; cut < EveryPrimitive.size(); ++cut) {
    testing_support::GuardedBytes bytes(Bytes(EveryPrimitive.begin(), EveryPrimitive.begin() + cut));
    ResourceBuffer buffer(bytes.Data(), bytes.Size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    Primitives p;
    ReadAll(stream, p);
    EXPECT_TRUE(stream.Failed()) << "cut at " << cut;
    EXPECT_NE(-5, p.integer) << "the last field is never reached when cut at " << cut;
  }
}

TEST(StreamTruncation, ARecordCutShortIsLeftAsItWas) {
  const size_t embedded_size = 22;
  for (size_t cut = 0; cut < embedded_size; ++cut) {
    testing_support::GuardedBytes bytes(Bytes(EveryPrimitive.begin(), EveryPrimitive.begin() + cut));
    ResourceBuffer buffer(bytes.Data(), bytes.Size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    KQ_EmbeddedData record(3, L"keep.dll");
    record.name = L"keep";
    stream.ReadEmbeddedData(record);
    EXPECT_TRUE(stream.Failed());
    EXPECT_EQ(3, record.id) << "cut at " << cut;
    EXPECT_EQ(L"keep.dll", record.module) << "cut at " << cut;
    EXPECT_EQ(L"keep", record.name) << "cut at " << cut;
    EXPECT_TRUE(record.bytes.empty()) << "cut at " << cut;
  }
}

TEST(StreamTruncation, HostileLengthsFailCleanly) {
  using Read = void (*)(KQ_IOF_Virtual&);
  const struct {
    const char* what;
    Bytes bytes;
    Read read;
  } cases[] = {
      {"blob of 2^32 - 1 bytes", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3},
       [](KQ_IOF_Virtual& s) { DataBlob b; s.ReadDataBlob(b); }},
      {"blob of 2^31 bytes", {0x00, 0x00, 0x00, 0x80, 1, 2, 3},
       [](KQ_IOF_Virtual& s) { DataBlob b; s.ReadDataBlob(b); }},
      {"embedded record of 2^32 - 4 bytes",
       {1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0x00, 0xFC, 0xFF, 0xFF, 0xFF, 1},
       [](KQ_IOF_Virtual& s) { KQ_EmbeddedData e; s.ReadEmbeddedData(e); }},
      {"2^32 - 1 frame times", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0x80, 0x3F},
       [](KQ_IOF_Virtual& s) { std::vector<float> v; ReadFloatVector(s, v); }},
      {"2^31 embedded records", {0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0},
       [](KQ_IOF_Virtual& s) { std::vector<KQ_EmbeddedData> v; ReadEmbeddedDataVector(s, v); }},
      {"a string whose length wraps", {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x80},
       [](KQ_IOF_Virtual& s) { kq_string t; s.ReadString(t); }},
  };
  for (const auto& c : cases) {
    testing_support::GuardedBytes bytes(c.bytes);
    ResourceBuffer buffer(bytes.Data(), bytes.Size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    c.read(stream);
    EXPECT_TRUE(stream.Failed()) << c.what;
  }
}

TEST(StreamTruncation, AFailureSticks) {
  const Bytes bytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  int64_t too_long = 0;
  stream.ReadInt64(too_long);
  int fits = 0;
  stream.ReadInt(fits);
  EXPECT_TRUE(stream.Failed());
  EXPECT_EQ(0, too_long);
  EXPECT_EQ(0, fits);
}

}  // namespace
