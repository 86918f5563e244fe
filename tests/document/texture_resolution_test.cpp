// Texture resolution without a device: which source a record or link is made from, what is
// cached under which key, and what is tried again. The maker records every decode; the test
// packs and the program's own picture are real resources.
#include <gtest/gtest.h>

#include <cstdio>

#include "document/doc_res_manager.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tests/support/recording_maker.h"

namespace {

using namespace doc_res_testing;
using namespace test_pack;
using Log = std::vector<std::string>;

// A file in the temporary folder, removed again with the object.
class TemporaryFile {
public:
  TemporaryFile(const wchar_t* name, const std::vector<uint8_t>& bytes) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path = kq_string(folder) + name;
    FILE* file = _wfopen(path.c_str(), L"wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  ~TemporaryFile() { DeleteFileW(path.c_str()); }

  kq_string path;
};

class TextureTest : public ::testing::Test {
protected:
  DocResCache& Cache() { return manager->GetDocResCache(); }
  ResourceCache& Resources() { return manager->GetResourceCache(); }

  Log log;
  std::unique_ptr<KQ_DocResManager> manager = RecordingManager(log);
};

TEST(TextureEntryTest, TheAspectIsHeightOverWidthAndOneForAnImageWithoutWidth) {
  struct Case {
    UINT width, height;
    float aspect;
  } cases[] = {{8, 4, 0.5f}, {4, 8, 2.0f}, {0, 0, 1.0f}, {0, 5, 1.0f}};
  for (const Case& c : cases) {
    D3DXIMAGE_INFO info{};
    info.Width = c.width;
    info.Height = c.height;
    TextureEntry entry;
    entry.Set(info, nullptr);
    EXPECT_EQ(c.width, entry.width);
    EXPECT_EQ(c.height, entry.height);
    EXPECT_FLOAT_EQ(c.aspect, entry.aspect) << c.width << "x" << c.height;
  }
}

TEST(TextureEntryTest, FromAListIsItsFirstFrameWithAReferenceOfItsOwn) {
  const TextureEntry none = TextureList().FirstFrameEntry();
  EXPECT_EQ(nullptr, none.texture.Get());
  EXPECT_EQ(0u, none.width);
  EXPECT_EQ(0u, none.height);
  EXPECT_FLOAT_EQ(1.0f, none.aspect);

  auto* first = new FakeTexture("first");
  TextureList list;
  list.AppendFrame(TextureEntry(first, 2, 2, 1.0f));
  list.AppendFrame(TextureEntry(nullptr, 8, 4, 0.5f));
  first->Release();
  {
    const TextureEntry entry = list.FirstFrameEntry();
    EXPECT_EQ(first, entry.texture.Get());
    EXPECT_EQ(8u, entry.width) << "the list's size: its last frame's";
    EXPECT_FLOAT_EQ(0.5f, entry.aspect);
    EXPECT_EQ(2u, References(first));
  }
  EXPECT_EQ(1u, References(first));
}

TEST_F(TextureTest, TheProgramsOwnPictureIsMadeOnceAndShared) {
  IDirect3DTexture9* first = Cache().GetResourceTexture(ProgramPictureId);
  IDirect3DTexture9* second = Cache().GetResourceTexture(ProgramPictureId);
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Log{"texture mipmapped bmp 2x2"}, log);
  EXPECT_EQ(3u, References(first)) << "the cache's and one per request";
  first->Release();
  second->Release();
}

TEST_F(TextureTest, NumbersThatNameNoResourceGiveNoTexture) {
  for (int id : {0, -1, 65536, 70000, 999}) {
    EXPECT_EQ(nullptr, Cache().GetResourceTexture(id)) << id;
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(TextureTest, ANamedRecordWithBytesIsDecodedOnEveryRequest) {
  const KQ_EmbeddedData record = NamedRecord(L"frame.bmp", BitmapHeader(4, 2));
  const TextureEntry first = Cache().GetEmbeddedDataTexture(record);
  const TextureEntry second = Cache().GetEmbeddedDataTexture(record);
  EXPECT_NE(first.texture.Get(), second.texture.Get());
  EXPECT_EQ((Log{"texture picture bmp 4x2", "texture picture bmp 4x2"}), log);
  EXPECT_EQ(1u, References(first.texture.Get())) << "the entry's own: nothing cached it";
  EXPECT_FLOAT_EQ(0.5f, first.aspect);
}

TEST_F(TextureTest, AFileIsCachedByPathAndAMissingOneTriedAgain) {
  const TemporaryFile file(L"doc_res_test_picture.bmp", BitmapHeader(4, 8));
  const KQ_EmbeddedData record = NamedRecord(file.path, {});
  const TextureEntry first = Cache().GetEmbeddedDataTexture(record);
  const TextureEntry second = Cache().GetEmbeddedDataTexture(record);
  ASSERT_NE(nullptr, first.texture.Get());
  EXPECT_EQ(first.texture.Get(), second.texture.Get());
  EXPECT_EQ(4u, first.width);
  EXPECT_FLOAT_EQ(2.0f, first.aspect);
  EXPECT_EQ(Log{"file " + Narrow(file.path)}, log);

  log.clear();
  const KQ_EmbeddedData missing = NamedRecord(L"Z:\\no\\such\\picture.bmp", {});
  const TextureEntry none = Cache().GetEmbeddedDataTexture(missing);
  Cache().GetEmbeddedDataTexture(missing);
  EXPECT_EQ(nullptr, none.texture.Get());
  EXPECT_EQ(0u, none.width);
  EXPECT_FLOAT_EQ(1.0f, none.aspect);
  EXPECT_EQ(2u, log.size());
}

TEST_F(TextureTest, ARecordOfAPackResourcePrefersThePackAndFallsBackToItsBytes) {
  struct Case {
    const char* what;
    KQ_EmbeddedData record;
    Log decodes;
    bool texture;
    UINT width, height;
  } cases[] = {
      {"the pack's picture", PackRecord(WideId, PackName), {"texture picture bmp 8x4"}, true, 8, 4},
      {"the pack's resource is no picture, the record's bytes are",
       PackRecord(NotAnImageId, PackName, BitmapHeader(3, 3)),
       {"texture picture 'These bytes are '", "texture picture bmp 3x3"}, true, 3, 3},
      {"no such resource and no bytes", PackRecord(99, PackName), {}, false, 0, 0},
      {"a number out of range", PackRecord(70000, PackName), {}, false, 0, 0},
      {"the pack is missing, the bytes are not", PackRecord(WideId, L"gone.dll", BitmapHeader(5, 10)),
       {"texture picture bmp 5x10"}, true, 5, 10},
      {"the pack is missing and so are the bytes", PackRecord(WideId, L"gone.dll"), {}, false, 800,
       600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    manager = RecordingManager(log);
    log.clear();
    const TextureEntry first = Cache().GetEmbeddedDataTexture(c.record);
    EXPECT_EQ(c.decodes, log);
    EXPECT_EQ(c.texture, first.texture.Get() != nullptr);
    EXPECT_EQ(c.width, first.width);
    EXPECT_EQ(c.height, first.height);

    // A texture is cached; a failure is tried again.
    log.clear();
    const TextureEntry second = Cache().GetEmbeddedDataTexture(c.record);
    EXPECT_EQ(c.texture ? Log{} : c.decodes, log);
    if (c.texture) {
      EXPECT_EQ(first.texture.Get(), second.texture.Get());
    }
  }
}

TEST_F(TextureTest, PackTexturesAreKeyedByPackAndNumber) {
  const TextureEntry wide = Cache().GetEmbeddedDataTexture(PackRecord(WideId, PackName));
  const TextureEntry other = Cache().GetEmbeddedDataTexture(PackRecord(WideId, OtherPackName));
  EXPECT_EQ(8u, wide.width);
  EXPECT_EQ(4u, other.width) << "the other pack's picture of the same number";
  EXPECT_EQ(2u, Cache().moduleTextures.size());
}

TEST_F(TextureTest, APackIsLoadedOnceAndOnlyForItsResources) {
  HMODULE pack = Cache().GetModule(PackName);
  ASSERT_NE(nullptr, pack);
  EXPECT_EQ(pack, Cache().GetModule(PackName));
  EXPECT_EQ(1u, Cache().modules.size());
  EXPECT_EQ(nullptr, GetModuleHandleW(PackName)) << "loaded as a data file, not as code";

  EXPECT_EQ(nullptr, Cache().GetModule(L"gone.dll"));
  EXPECT_EQ(nullptr, Cache().GetModule(L""));
  EXPECT_EQ(1u, Cache().modules.size()) << "a failed load is not remembered";
}

TEST_F(TextureTest, OnlyALinkNamingADllIsResolvedFromItsPack) {
  struct Case {
    const wchar_t* path;
    bool resolved;
  } cases[] = {{L"doc_test_pack.dll", true},  {L"DOC_TEST_PACK.DLL", true},
               {L"Doc_Test_Pack.Dll", true},  {L"doc_test_pack.dllx", false},
               {L"picture.bmp", false},       {L"dll", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.path));
    manager = RecordingManager(log);
    const KQ_ImageFileLink link(WideId, c.path);
    const TextureList& list = manager->GetImageTextures(link);
    EXPECT_EQ(c.resolved ? 1u : 0u, list.frames.size());
    if (c.resolved) {
      EXPECT_EQ(8, list.width);
      EXPECT_EQ(4, list.height);
      EXPECT_FLOAT_EQ(0.5f, list.aspect);
    }
    EXPECT_EQ(c.resolved ? 1u : 0u, Resources().blobCache[link.Key()].size());
  }
}

TEST_F(TextureTest, AnImageLinkOnceResolvedIsFinalEvenWithANullFrame) {
  const KQ_ImageFileLink picture(TallId, PackName);
  const TextureList& first = manager->GetImageTextures(picture);
  const TextureList& second = manager->GetImageTextures(picture);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(Log{"texture picture bmp 4x8"}, log);

  const KQ_ImageFileLink gone(5, L"gone.dll");
  const TextureList& missing = manager->GetImageTextures(gone);
  ASSERT_EQ(1u, missing.frames.size());
  EXPECT_EQ(nullptr, missing.frames[0].Get());
  EXPECT_EQ(800, missing.width);
  EXPECT_EQ(600, missing.height);
  manager->GetImageTextures(gone);
  EXPECT_EQ(1u, Resources().blobCache[gone.Key()].size()) << "resolved once only";
}

TEST_F(TextureTest, AnAnimatedImageOfAPackGivesItsFramesTimesAndTheLastFramesSize) {
  const KQ_ImageFileLink link(AnimatedId, PackName);
  const TextureList& list = manager->GetDllImageTextures(link);
  ASSERT_EQ(3u, list.frames.size());
  for (const auto& frame : list.frames) EXPECT_NE(nullptr, frame.Get());
  EXPECT_EQ(AnimatedFrameTimes, list.frameTimes);
  EXPECT_EQ(6, list.width);
  EXPECT_EQ(3, list.height);
  EXPECT_FLOAT_EQ(0.5f, list.aspect);
  EXPECT_EQ((Log{"texture picture bmp 8x4", "texture picture bmp 4x8", "texture picture bmp 6x3"}),
            log);
  EXPECT_EQ(3u, Resources().blobCache[link.Key()].size());

  manager->GetDllImageTextures(link);
  EXPECT_EQ(3u, log.size()) << "resolved once";
}

TEST_F(TextureTest, AnAnimatedImageThatCannotBeReadGivesNoFrames) {
  struct Case {
    const char* what;
    KQ_ImageFileLink link;
  } cases[] = {{"cut short", {AnimatedCutId, PackName}},
               {"a picture, whose first bytes promise a huge count", {WideId, PackName}},
               {"no such resource", {99, PackName}},
               {"a number out of range", {65536 + AnimatedId, PackName}},
               {"no such pack", {AnimatedId, L"gone.dll"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TextureList& list = manager->GetDllImageTextures(c.link);
    EXPECT_FALSE(list.HasFrames());
    EXPECT_TRUE(list.frameTimes.empty());
    EXPECT_EQ(0u, Resources().blobCache.count(c.link.Key()));
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(TextureTest, AnInlineImageBecomesALinkWithItsFrame) {
  const KQ_ImageFileLink link = manager->MakeImageLink(PackRecord(TallId, PackName));
  EXPECT_EQ(PackName, link.Key().path);
  EXPECT_EQ(TallId, link.Key().id);
  const TextureList& list = manager->GetImageTextures(link);
  ASSERT_EQ(1u, list.frames.size());
  EXPECT_EQ(4, list.width);
  EXPECT_EQ(1u, log.size()) << "made when the link was";
  EXPECT_EQ(1u, Resources().blobCache[link.Key()].size());

  // Named records get a running number each, so two of one name are two links.
  const KQ_ImageFileLink a = manager->MakeImageLink(NamedRecord(L"same", BitmapHeader(2, 2)));
  const KQ_ImageFileLink b = manager->MakeImageLink(NamedRecord(L"same", BitmapHeader(2, 4)));
  EXPECT_EQ(a.Key().path, b.Key().path);
  EXPECT_NE(a.Key().id, b.Key().id);
  EXPECT_EQ(4, manager->GetImageTextures(b).height);
}

TEST_F(TextureTest, AnInlineAnimatedImageBecomesALinkOnItsFirstRecord) {
  const std::list<KQ_EmbeddedData> records = {PackRecord(WideId, PackName),
                                              PackRecord(TallId, PackName)};
  const KQ_ImageFileLink link = manager->MakeAnimatedImageLink({0.1f, 0.2f}, records);
  EXPECT_EQ(WideId, link.Key().id);
  const TextureList& list = manager->GetImageTextures(link);
  EXPECT_EQ(2u, list.frames.size());
  EXPECT_EQ((std::vector<float>{0.1f, 0.2f}), list.frameTimes);
  EXPECT_EQ(8, list.height);
  EXPECT_EQ(2u, Resources().blobCache[link.Key()].size());

  manager->MakeAnimatedImageLink({9.0f}, records);
  EXPECT_EQ(2u, list.frames.size()) << "a list with frames is not made again";
  EXPECT_EQ((std::vector<float>{0.1f, 0.2f}), list.frameTimes);

  const KQ_ImageFileLink none = manager->MakeAnimatedImageLink({0.5f}, {});
  EXPECT_TRUE(none.Key().path.empty());
  EXPECT_EQ(1u, Resources().textureLists.size());
}

TEST_F(TextureTest, AFileImageLinkIsKeyedByPathAndTimeAndResolvesNothing) {
  const TemporaryFile file(L"doc_res_test_link.bmp", BitmapHeader(2, 2));
  const KQ_ImageFileLink link = manager->MakeFileImageLink(file.path);
  EXPECT_EQ(file.path, link.Key().path);
  EXPECT_GT(link.Key().id, 0);
  EXPECT_FALSE(manager->GetImageTextures(link).HasFrames());
  EXPECT_TRUE(log.empty());
}

}  // namespace
