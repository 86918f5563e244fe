// Meshes and effects without a device: which record they are made from, what is cached and
// kept, what is tried again, the references handed out, and the calls around a device reset.
#include <gtest/gtest.h>

#include <cstring>

#include "document/doc_res_manager.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tests/support/recording_maker.h"

namespace {

using namespace doc_res_testing;
using namespace test_pack;
using Log = std::vector<std::string>;

constexpr UINT MeshVertexSize = 32;

UINT PackMeshSize(const wchar_t* pack) {
  HMODULE module = LoadLibraryExW(pack, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(MeshId), L"DDS");
  const UINT size = SizeofResource(module, info);
  FreeLibrary(module);
  return size;
}

class MeshEffectTest : public ::testing::Test {
protected:
  ResourceCache& Resources() { return manager->GetResourceCache(); }
  DocResCache& Cache() { return manager->GetDocResCache(); }

  Log log;
  std::unique_ptr<KQ_DocResManager> manager = RecordingManager(log);
};

TEST_F(MeshEffectTest, AMeshIsMadeFromTheFirstRecordOnceAndKept) {
  const KQ_MeshFile link(1, L"document mesh");
  Resources().blobCache[link.Key()] = {NamedRecord(L"a", Bytes("xof first")),
                                       NamedRecord(L"b", Bytes("xof second"))};
  const MeshRecord* mesh = manager->GetMesh(link, MeshVertexSize);
  EXPECT_EQ(9u, mesh->vertexCount);
  EXPECT_EQ(mesh, manager->GetMesh(link, MeshVertexSize));
  EXPECT_EQ(Log{"mesh 32 'xof first'"}, log);
}

TEST_F(MeshEffectTest, AMeshWithoutRecordsComesFromItsPackOnce) {
  const KQ_MeshFile link(MeshId, PackName);
  const MeshRecord* mesh = manager->GetMesh(link, MeshVertexSize);
  EXPECT_EQ(PackMeshSize(PackName), mesh->vertexCount);
  ASSERT_EQ(1u, Resources().blobCache[link.Key()].size());
  EXPECT_EQ(PackMeshSize(PackName), Resources().blobCache[link.Key()][0].Size());
  manager->GetMesh(link, MeshVertexSize);
  EXPECT_EQ(1u, log.size());
}

TEST_F(MeshEffectTest, AMeshThatCannotBeMadeIsTriedAgainFromTheSameRecord) {
  const KQ_MeshFile link(1, L"document mesh");
  Resources().blobCache[link.Key()] = {NamedRecord(L"bad", Bytes("junk"))};
  EXPECT_FALSE(manager->GetMesh(link, MeshVertexSize)->IsLoaded());
  EXPECT_FALSE(manager->GetMesh(link, MeshVertexSize)->IsLoaded());
  EXPECT_EQ((Log{"mesh 32 'junk'", "mesh 32 'junk'"}), log);
  EXPECT_EQ(1u, Resources().blobCache[link.Key()].size());
}

TEST_F(MeshEffectTest, WithoutThePacksResourceNoMeshIsMadeAndNoRecordKept) {
  for (const KQ_MeshFile& link :
       {KQ_MeshFile(MeshId, L"gone.dll"), KQ_MeshFile(65536 + MeshId, PackName),
        KQ_MeshFile(99, PackName)}) {
    EXPECT_FALSE(manager->GetMesh(link, MeshVertexSize)->IsLoaded());
    EXPECT_TRUE(Resources().blobCache[link.Key()].empty());
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(MeshEffectTest, PackMeshesOfOneNumberInTwoPacksAreTwoMeshes) {
  const MeshRecord first = Cache().GetEmbeddedDataMesh(PackRecord(MeshId, PackName), 32);
  const MeshRecord other = Cache().GetEmbeddedDataMesh(PackRecord(MeshId, OtherPackName), 32);
  EXPECT_EQ(PackMeshSize(PackName), first.vertexCount);
  EXPECT_EQ(PackMeshSize(OtherPackName), other.vertexCount);
  EXPECT_NE(first.vertexCount, other.vertexCount);
  Cache().GetEmbeddedDataMesh(PackRecord(MeshId, PackName), 32);
  Cache().GetEmbeddedDataMesh(PackRecord(MeshId, OtherPackName), 32);
  EXPECT_EQ(2u, log.size()) << "each is made once";
}

TEST_F(MeshEffectTest, ARecordsMeshComesFromThePackElseItsBytesElseItsFile) {
  struct Case {
    const char* what;
    KQ_EmbeddedData record;
    Log firstRequest;
    Log secondRequest;  // what a second request makes again
    bool loaded;
  } cases[] = {
      {"the pack's resource is no mesh: kept as it came out", PackRecord(TallId, PackName),
       {"mesh 32 bmp 4x8"}, {}, false},
      {"no pack: the record's bytes, every time",
       PackRecord(MeshId, L"gone.dll", Bytes("xof bytes")), {"mesh 32 'xof bytes'"},
       {"mesh 32 'xof bytes'"}, true},
      {"no pack and no bytes: the file, every time", NamedRecord(L"C:\\m.x", {}),
       {"mesh-file C:\\m.x"}, {"mesh-file C:\\m.x"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    manager = RecordingManager(log);
    log.clear();
    EXPECT_EQ(c.loaded, Cache().GetEmbeddedDataMesh(c.record, 32).IsLoaded());
    EXPECT_EQ(c.firstRequest, log);
    log.clear();
    Cache().GetEmbeddedDataMesh(c.record, 32);
    EXPECT_EQ(c.secondRequest, log);
  }
}

TEST_F(MeshEffectTest, AnEffectIsMadeFromTheLastRecordAndEveryRequestGetsAReference) {
  const KQ_HLSLEffectFile link(1, L"document effect");
  Resources().blobCache[link.Key()] = {NamedRecord(L"1", Bytes("fx first")),
                                       NamedRecord(L"2", Bytes("fx last"))};
  ID3DXEffect* first = manager->GetEffect(link);
  ID3DXEffect* second = manager->GetEffect(link);
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Log{"effect 'fx last'"}, log);
  EXPECT_EQ(3u, References(first)) << "the cache's and one per request";
  first->Release();
  second->Release();
  EXPECT_EQ(1u, References(first));
  manager.reset();
  EXPECT_EQ(0, FakeEffect::Live());
}

TEST_F(MeshEffectTest, AnEffectWithoutRecordsIsThePacksCompiledEffect) {
  const KQ_HLSLEffectFile link(EffectId, PackName);
  ID3DXEffect* effect = manager->GetEffect(link);
  ASSERT_NE(nullptr, effect);
  effect->Release();
  ASSERT_EQ(1u, Resources().blobCache[link.Key()].size());
  const EmbeddedDataList& records = Resources().blobCache[link.Key()];
  uint32_t tag = 0;
  ASSERT_GE(records[0].Size(), 4u);
  std::memcpy(&tag, records[0].bytes.data(), 4);
  EXPECT_EQ(0xFEFF0901u, tag) << "an fx_2_0 binary";

  // Effects are RCDATA resources: a picture's number names none.
  EXPECT_EQ(nullptr, manager->GetEffect(KQ_HLSLEffectFile(WideId, PackName)));
  EXPECT_EQ(nullptr, manager->GetEffect(KQ_HLSLEffectFile(EffectId, L"gone.dll")));
  EXPECT_EQ(1u, log.size());
}

TEST_F(MeshEffectTest, AnEffectThatCannotBeMadeIsTriedAgainFromTheSameRecord) {
  const KQ_HLSLEffectFile link(1, L"document effect");
  Resources().blobCache[link.Key()] = {NamedRecord(L"bad", Bytes("junk"))};
  EXPECT_EQ(nullptr, manager->GetEffect(link));
  EXPECT_EQ(nullptr, manager->GetEffect(link));
  EXPECT_EQ((Log{"effect 'junk'", "effect 'junk'"}), log);
}

TEST_F(MeshEffectTest, AroundAResetEveryEffectIsToldInKeyOrderAndKept) {
  const KQ_HLSLEffectFile b(1, L"b"), a(1, L"a"), broken(1, L"c");
  Resources().blobCache[b.Key()] = {NamedRecord(L"b", Bytes("fx B"))};
  Resources().blobCache[a.Key()] = {NamedRecord(L"a", Bytes("fx A"))};
  Resources().blobCache[broken.Key()] = {NamedRecord(L"c", Bytes("junk"))};
  ID3DXEffect* effectA = nullptr;
  for (const KQ_HLSLEffectFile* link : {&b, &a, &broken}) {
    ID3DXEffect* effect = manager->GetEffect(*link);
    if (link == &a) effectA = effect;
    if (effect) effect->Release();
  }
  log.clear();

  manager->OnLostDevice();
  manager->OnResetDevice();
  EXPECT_EQ((Log{"lost 'fx A'", "lost 'fx B'", "reset 'fx A'", "reset 'fx B'"}), log);

  ID3DXEffect* again = manager->GetEffect(a);
  EXPECT_EQ(effectA, again) << "the same effect after the reset";
  again->Release();
  EXPECT_EQ(4u, log.size()) << "nothing made again";
}

}  // namespace
