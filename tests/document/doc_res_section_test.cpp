// The manager's document section: which maps each version carries, what reading makes of them,
// and the writer's layout. The sections are built here with the stream's primitives in the
// documented order (one is spelled out byte by byte), independently of the manager's writer.
#include <gtest/gtest.h>

#include "document/doc_res_manager.h"
#include "document/guid_string.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "document/stream_lists.h"
#include "tests/support/recording_maker.h"

namespace {

using namespace doc_res_testing;

using RecordEntries = std::vector<std::pair<FileLinkKey, EmbeddedDataList>>;
using TimeEntries = std::vector<std::pair<FileLinkKey, std::vector<float>>>;

struct GuidEntry {
  kq_string guid;  // as stored: the 38-character form, or anything else
  kq_string name;
  bool flag;
  DataBlob blob;
};

const kq_string FirstGuid = L"{00000001-0000-0000-0000-000000000000}";
const kq_string SecondGuid = L"{00000002-0000-0000-0000-000000000000}";

// ULong n; n x {String path; Int64 id; value}, duplicates and all.
template <class Value, class WriteValue>
std::vector<uint8_t> LinkMap(const std::vector<std::pair<FileLinkKey, Value>>& entries,
                             WriteValue writeValue) {
  KQ_IOF_W stream;
  stream.WriteULong(static_cast<unsigned long>(entries.size()));
  for (const auto& [key, value] : entries) {
    stream.WriteString(key.path);
    stream.WriteInt64(key.id);
    writeValue(stream, value);
  }
  return stream.Bytes();
}

std::vector<uint8_t> RecordMap(const RecordEntries& entries) {
  return LinkMap(entries, WriteEmbeddedDataVector);
}

std::vector<uint8_t> TimesMap(const TimeEntries& entries) {
  return LinkMap(entries, WriteFloatVector);
}

std::vector<uint8_t> GuidMap(const std::vector<GuidEntry>& entries) {
  KQ_IOF_W stream;
  stream.WriteULong(static_cast<unsigned long>(entries.size()));
  for (const GuidEntry& entry : entries) {
    stream.WriteString(entry.guid);
    stream.WriteString(entry.name);
    stream.WriteBool(entry.flag);
    stream.WriteDataBlob(entry.blob);
  }
  return stream.Bytes();
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

DataBlob Blob(std::vector<uint8_t> bytes) {
  DataBlob blob;
  blob.bytes = std::move(bytes);
  return blob;
}

GUID Guid(const kq_string& text) {
  GUID guid;
  EXPECT_TRUE(ParseGuidString(text, guid));
  return guid;
}

GuidKey KeyOf(const kq_string& text) { return GuidKey{Guid(text), L"", false}; }

class SectionTest : public ::testing::Test {
protected:
  // Reads the body with `version`; returns what ReadDocResManager said.
  bool Read(const std::vector<uint8_t>& bytes, unsigned long version) {
    ResourceBuffer buffer(bytes.data(), bytes.size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    const bool read = ReadDocResManager(*manager, stream, version);
    remaining = buffer.Remaining();
    return read;
  }

  ResourceCache& Resources() { return manager->GetResourceCache(); }

  std::vector<std::string> log;
  std::unique_ptr<KQ_DocResManager> manager = RecordingManager(log);
  size_t remaining = 0;
};

const FileLinkKey PictureKey{L"picture", 5};
const FileLinkKey EffectKey{L"fx.dll", 63};

TEST_F(SectionTest, AVersionOneSectionSpelledOutByteByByte) {
  const std::vector<uint8_t> bytes = {
      // map A: one key ("a", 5) with one record: resource 7 of pack "m", no bytes, no name
      0x01, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0x00,
      0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
      0x07, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'm', 0x00,
      0x00, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x00,
      // map B: the same key with the times 0.5 and 0.25
      0x01, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0x00,
      0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x80, 0x3E};
  ASSERT_TRUE(Read(bytes, 1));
  EXPECT_EQ(0u, remaining);

  const FileLinkKey key{L"a", 5};
  ASSERT_EQ(1u, Resources().blobCache[key].size());
  EXPECT_EQ(7, Resources().blobCache[key][0].id);
  EXPECT_EQ(L"m", Resources().blobCache[key][0].module);
  // Pack "m" does not exist and the record has no bytes: one null frame of the missing-pack size.
  const TextureList& list = Resources().textureLists[key];
  ASSERT_EQ(1u, list.frames.size());
  EXPECT_EQ(nullptr, list.frames[0].Get());
  EXPECT_EQ(800, list.width);
  EXPECT_EQ(600, list.height);
  EXPECT_FLOAT_EQ(0.75f, list.aspect);
  EXPECT_TRUE(list.frameTimes.empty()) << "a single frame takes no times";
  EXPECT_EQ((std::vector<float>{0.5f, 0.25f}), Resources().imageFrameTimes[key]);
  EXPECT_TRUE(log.empty()) << "nothing to decode";
}

TEST_F(SectionTest, EachVersionReadsItsMapsAndNoMore) {
  const auto mapA = RecordMap({{PictureKey, {NamedRecord(L"p.bmp", BitmapHeader(4, 2))}}});
  const auto mapB = TimesMap({});
  const auto mapC = RecordMap({{EffectKey, {NamedRecord(L"fx", Bytes("fx code"))}}});
  const auto mapD = GuidMap({{FirstGuid, L"mask", true, Blob(BitmapHeader(16, 16))}});
  const std::vector<uint8_t> after = Bytes("next");
  const std::vector<uint8_t> bytes = Concat({mapA, mapB, mapC, mapD, after});

  struct Case {
    unsigned long version;
    bool readsC;
    bool readsD;
  } cases[] = {{0, true, true}, {1, false, false}, {2, true, false}, {3, true, true}, {7, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("version " + std::to_string(c.version));
    log.clear();
    manager = RecordingManager(log);
    ASSERT_TRUE(Read(bytes, c.version));
    const size_t unread = (c.readsC ? 0 : mapC.size()) + (c.readsD ? 0 : mapD.size()) + 4;
    EXPECT_EQ(unread, remaining);
    EXPECT_EQ(1u, Resources().textureLists[PictureKey].frames.size());
    EXPECT_EQ(c.readsC ? 1u : 0u, Resources().linkBlobs.size());
    EXPECT_EQ(c.readsC ? 1u : 0u, Resources().blobCache.count(EffectKey));
    EXPECT_EQ(c.readsD ? 1u : 0u, Resources().guidTextures.size());
  }
}

TEST_F(SectionTest, AnEntryWhoseKeyIsAlreadyReadIsDropped) {
  const std::vector<uint8_t> bytes = Concat({
      RecordMap({{PictureKey, {NamedRecord(L"first.bmp", BitmapHeader(2, 2))}},
                 {PictureKey, {NamedRecord(L"second.bmp", BitmapHeader(8, 8))}}}),
      TimesMap({{PictureKey, {1}}, {PictureKey, {2}}}),
      RecordMap({{EffectKey, {NamedRecord(L"fx1", Bytes("fx one"))}},
                 {EffectKey, {NamedRecord(L"fx2", Bytes("fx two"))}}}),
      GuidMap({{FirstGuid, L"first", true, Blob(BitmapHeader(4, 4))},
               {FirstGuid, L"second", true, Blob(BitmapHeader(32, 32))}}),
  });
  ASSERT_TRUE(Read(bytes, 3));
  EXPECT_EQ(0u, remaining) << "dropped entries are read all the same";

  EXPECT_EQ(L"first.bmp", Resources().blobCache[PictureKey][0].name);
  EXPECT_EQ(std::vector<float>{1}, Resources().imageFrameTimes[PictureKey]);
  EXPECT_EQ(L"fx1", Resources().linkBlobs[EffectKey][0].name);
  EXPECT_EQ(L"fx1", Resources().blobCache[EffectKey][0].name);
  EXPECT_EQ((std::vector<std::string>{"texture picture bmp 2x2", "texture picture bmp 4x4"}), log);
}

TEST_F(SectionTest, TheImageRecordsOfMapAWinOverMapCInTheBlobCache) {
  const std::vector<uint8_t> bytes = Concat({
      RecordMap({{PictureKey, {NamedRecord(L"image.bmp", BitmapHeader(2, 2))}}}),
      TimesMap({}),
      RecordMap({{PictureKey, {NamedRecord(L"other", Bytes("other"))}},
                 {EffectKey, {NamedRecord(L"fx", Bytes("fx"))}}}),
  });
  ASSERT_TRUE(Read(bytes, 2));
  ASSERT_EQ(1u, Resources().blobCache[PictureKey].size());
  EXPECT_EQ(L"image.bmp", Resources().blobCache[PictureKey][0].name);
  EXPECT_EQ(L"fx", Resources().blobCache[EffectKey][0].name);
  EXPECT_EQ(L"other", Resources().linkBlobs[PictureKey][0].name) << "map C is kept as read";
}

TEST_F(SectionTest, OnlyAnImageOfSeveralFramesTakesItsFrameTimes) {
  const auto frame = [](UINT w) { return NamedRecord(L"f.bmp", BitmapHeader(w, 2)); };
  struct Case {
    const char* what;
    EmbeddedDataList records;
    bool timesStored;
    size_t frames;
    std::vector<float> times;
  } cases[] = {
      {"one frame", {frame(4)}, true, 1, {}},
      {"three frames", {frame(2), frame(4), frame(8)}, true, 3, {0.1f, 0.2f, 0.3f}},
      {"three frames without times", {frame(2), frame(4), frame(8)}, false, 3, {}},
      {"no frame", {}, true, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    manager = RecordingManager(log);
    const TimeEntries times = c.timesStored ? TimeEntries{{PictureKey, {0.1f, 0.2f, 0.3f}}}
                                            : TimeEntries{};
    ASSERT_TRUE(Read(Concat({RecordMap({{PictureKey, c.records}}), TimesMap(times)}), 1));
    const TextureList& list = Resources().textureLists[PictureKey];
    EXPECT_EQ(c.frames, list.frames.size());
    EXPECT_EQ(c.times, list.frameTimes);
    if (c.frames > 0) {
      // The size is the last frame's.
      EXPECT_EQ(c.records.size() == 1 ? 4 : 8, list.width);
      EXPECT_EQ(2, list.height);
    }
  }
}

TEST_F(SectionTest, AnImageKeyWithoutRecordsStaysUnresolved) {
  ASSERT_TRUE(Read(Concat({RecordMap({{PictureKey, {}}}), TimesMap({})}), 1));
  KQ_ImageFileLink link(PictureKey);
  EXPECT_FALSE(manager->GetImageTextures(link).HasFrames());
  EXPECT_EQ(1u, Resources().textureLists.count(PictureKey));
}

TEST_F(SectionTest, AfterLoadingTheFramesAndGeneratedTexturesAreMadeAndTheirBytesLetGo) {
  const std::vector<uint8_t> bytes = Concat({
      RecordMap({{PictureKey, {NamedRecord(L"p.bmp", BitmapHeader(4, 4))}}}),
      TimesMap({{PictureKey, {1.5f}}}),
      RecordMap({{EffectKey, {NamedRecord(L"fx", Bytes("fx"))}}}),
      GuidMap({{FirstGuid, L"mask", true, Blob(BitmapHeader(16, 8))},
               {L"not a guid", L"lost", false, Blob(BitmapHeader(1, 1))},
               {SecondGuid, L"undecodable", false, Blob(Bytes("junk"))}}),
  });
  ASSERT_TRUE(Read(bytes, 3));

  EXPECT_TRUE(Resources().imageBlobs.empty());
  EXPECT_TRUE(Resources().guidTextureBlobs.empty());
  EXPECT_EQ(1u, Resources().imageFrameTimes.size());
  EXPECT_EQ(1u, Resources().linkBlobs.size());
  // The entry whose GUID does not parse names nothing and is dropped; the undecodable one
  // is there without a texture.
  ASSERT_EQ(2u, Resources().guidTextures.size());
  auto* mask = static_cast<FakeTexture*>(Resources().guidTextures[KeyOf(FirstGuid)]);
  ASSERT_NE(nullptr, mask);
  EXPECT_EQ("bmp 16x8", mask->source);
  EXPECT_EQ(1u, References(mask)) << "the map holds the one reference";
  EXPECT_EQ(nullptr, Resources().guidTextures[KeyOf(SecondGuid)]);
}

TEST_F(SectionTest, FramesAreMadeByTheManagerBeingReadEvenWithoutACurrentOne) {
  const auto section = Concat({RecordMap({{PictureKey, {NamedRecord(L"p", BitmapHeader(2, 2))}}}),
                               TimesMap({})});
  std::vector<std::string> currentLog;
  std::unique_ptr<KQ_DocResManager> current = RecordingManager(currentLog);
  for (KQ_DocResManager* before : {static_cast<KQ_DocResManager*>(nullptr), current.get()}) {
    log.clear();
    manager = RecordingManager(log);
    CurrentDocResManager = before;
    ASSERT_TRUE(Read(section, 1));
    EXPECT_EQ(before, CurrentDocResManager) << "the loader makes the manager current, not reading";
    EXPECT_EQ(1u, log.size());
    EXPECT_NE(nullptr, Resources().textureLists[PictureKey].frames[0].Get());
  }
  EXPECT_TRUE(currentLog.empty()) << "nothing was made by the manager that was current";
  CurrentDocResManager = nullptr;
}

TEST_F(SectionTest, ASectionCutShortFailsAndMakesNothingAfterTheCut) {
  const auto mapA = RecordMap({{PictureKey, {NamedRecord(L"p", BitmapHeader(2, 2))}}});
  const auto mapC = RecordMap({{EffectKey, {NamedRecord(L"fx", Bytes("fx"))}}});
  std::vector<uint8_t> insideA(mapA.begin(), mapA.end() - 3);
  EXPECT_FALSE(Read(insideA, 3));
  EXPECT_TRUE(Resources().textureLists.empty());
  EXPECT_TRUE(log.empty());

  manager = RecordingManager(log);
  std::vector<uint8_t> insideC = Concat({mapA, TimesMap({}), mapC});
  insideC.resize(insideC.size() - 1);
  EXPECT_FALSE(Read(insideC, 3));
  EXPECT_TRUE(Resources().linkBlobs.empty());
}

TEST_F(SectionTest, TheWriterLaysOutNameVersionAndTheFourMaps) {
  Resources().imageBlobs[PictureKey] = {NamedRecord(L"p.bmp", BitmapHeader(2, 2)),
                                        PackRecord(12, L"pack.dll")};
  Resources().imageFrameTimes[PictureKey] = {0.5f, 1.5f};
  Resources().linkBlobs[EffectKey] = {NamedRecord(L"fx", Bytes("fx code"))};
  Resources().guidTextureBlobs[GuidKey{Guid(FirstGuid), L"mask", true}] = Blob(Bytes("dds"));

  KQ_IOF_W written;
  manager->Write(written);

  KQ_IOF_W header;
  WriteSectionHeader(header, L"KQ_DocResManager", 3);
  const std::vector<uint8_t> expected = Concat({
      header.Bytes(),
      RecordMap({{PictureKey, Resources().imageBlobs[PictureKey]}}),
      TimesMap({{PictureKey, {0.5f, 1.5f}}}),
      RecordMap({{EffectKey, Resources().linkBlobs[EffectKey]}}),
      GuidMap({{FirstGuid, L"mask", true, Blob(Bytes("dds"))}}),
  });
  EXPECT_EQ(expected, written.Bytes());
}

TEST_F(SectionTest, EveryReferenceIsGivenBackWithTheManager) {
  const std::vector<uint8_t> bytes = Concat({
      RecordMap({{PictureKey,
                  {NamedRecord(L"a", BitmapHeader(2, 2)), NamedRecord(L"bad", Bytes("junk")),
                   NamedRecord(L"b", BitmapHeader(4, 4))}}}),
      TimesMap({}),
      RecordMap({}),
      GuidMap({{FirstGuid, L"mask", true, Blob(BitmapHeader(2, 2))}}),
  });
  ASSERT_TRUE(Read(bytes, 3));
  const TextureList& list = Resources().textureLists[PictureKey];
  ASSERT_EQ(3u, list.frames.size());
  EXPECT_EQ(nullptr, list.frames[1].Get()) << "a frame that could not be made stays null";
  EXPECT_EQ(1u, References(list.frames[0].Get()));
  TextureList copy = list;
  EXPECT_EQ(2u, References(list.frames[0].Get())) << "a copy holds references of its own";
  EXPECT_EQ(3, FakeTexture::Live());
  manager.reset();
  EXPECT_EQ(2, FakeTexture::Live()) << "the copy's frames are left";
  copy = TextureList();
  EXPECT_EQ(0, FakeTexture::Live());
}

}  // namespace
