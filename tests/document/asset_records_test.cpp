// The manager's asset records: blob renaming, file names of paths, GUID keys and the copy of a
// pack resource into a record.
#include <gtest/gtest.h>

#include "document/guid_key.h"
#include "document/module_resource.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tests/support/recording_maker.h"

namespace {

using namespace doc_res_testing;
using namespace test_pack;

TEST(AssetRecordsTest, AFileNameIsWhatFollowsTheLastBackslash) {
  struct Case {
    const wchar_t* path;
    const wchar_t* name;
  } cases[] = {{L"C:\\Music\\song.mp3", L"song.mp3"},
               {L"dir\\sub\\", L""},
               {L"song.mp3", L""},
               {L"\\a", L"a"}};
  for (const Case& c : cases) EXPECT_EQ(c.name, PathFileName(c.path)) << Narrow(c.path);
}

TEST(AssetRecordsTest, RenamingABlobLetsGoOfItsBytesUnlessTheNameIsTheSame) {
  DataBlob blob;
  blob.name = L"a.wav";
  blob.bytes = Bytes("sound");
  blob.Rename(L"a.wav");
  EXPECT_EQ(5u, blob.Size());
  blob.Rename(L"C:\\Temp\\a.wav");
  EXPECT_EQ(L"C:\\Temp\\a.wav", blob.name);
  EXPECT_EQ(0u, blob.Size());
}

TEST(AssetRecordsTest, GuidKeysAreOrderedByTheirBytesAlone) {
  GuidKey low, high, lowRenamed;
  low.id = {0x00000002, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
  high.id = {0x00000100, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};  // first byte 0x00 < 0x02 in memory
  lowRenamed = low;
  lowRenamed.name = L"other";
  lowRenamed.flag = true;
  const GuidKeyLess less;
  EXPECT_TRUE(less(high, low)) << "memory order, not numeric order";
  EXPECT_FALSE(less(low, lowRenamed));
  EXPECT_FALSE(less(lowRenamed, low));
}

TEST(AssetRecordsTest, ANewGeneratedTextureHasAFreshGuidAndItsFlagSet) {
  const GuidTexture first, second;
  EXPECT_TRUE(first.key.flag);
  EXPECT_TRUE(first.key.name.empty());
  EXPECT_TRUE(GuidKeyLess()(first.key, second.key) || GuidKeyLess()(second.key, first.key));
  EXPECT_EQ(0u, first.blob.Size());
}

TEST(AssetRecordsTest, ARecordCopiesItsPackResourceOrKeepsItsBytes) {
  HMODULE pack = LoadContentPack(PackName);
  ASSERT_NE(nullptr, pack);
  KQ_EmbeddedData found(MeshId, PackName);
  ASSERT_TRUE(found.LoadFromModule(pack, DdsResourceType));
  EXPECT_EQ(0, std::string(found.bytes.begin(), found.bytes.begin() + 3).compare("xof"));

  for (int id : {99, 0, -MeshId, 65536 + MeshId}) {
    KQ_EmbeddedData missing(id, PackName);
    missing.bytes = Bytes("kept");
    EXPECT_FALSE(missing.LoadFromModule(pack, DdsResourceType)) << id;
    EXPECT_EQ(Bytes("kept"), missing.bytes);
  }
  KQ_EmbeddedData wrongType(MeshId, PackName);
  EXPECT_FALSE(wrongType.LoadFromModule(pack, RT_RCDATA));
  EXPECT_FALSE(wrongType.LoadFromModule(nullptr, DdsResourceType)) << "no pack, no resource";
}

}  // namespace
