// File links: their keys, the key order of the asset maps, and how links are made and read.
#include <gtest/gtest.h>

#include <windows.h>

#include "document/image_file_link.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "tests/document/recording_control.h"

namespace {

using document_testing::RecordingControl;

struct OrderCase {
  const char* what;
  FileLinkKey a, b;  // a comes before b
};

const OrderCase OrderCases[] = {
    {"code unit 0x41 before 0x61, whatever the ids", {L"A", 5}, {L"a", 0}},
    {"a proper prefix first", {L"ab", 0}, {L"abc", 0}},
    {"the empty path first", {L"", 9}, {L"a", 0}},
    {"units compare unsigned", {L"z", 0}, {L"\xE000", 0}},
    {"equal paths: signed ids", {L"x", -1}, {L"x", 0}},
    {"equal paths: large ids", {L"x", 0x7FFFFFFFFFFFFFFE}, {L"x", 0x7FFFFFFFFFFFFFFF}},
};

TEST(FileLinkKeyLess, OrdersByPathUnitsThenSignedId) {
  const FileLinkKeyLess less;
  for (const OrderCase& c : OrderCases) {
    EXPECT_TRUE(less(c.a, c.b)) << c.what;
    EXPECT_FALSE(less(c.b, c.a)) << c.what;
    EXPECT_FALSE(less(c.a, c.a)) << c.what;
  }
}

KQ_EmbeddedData Record(int32_t id, const wchar_t* module, const wchar_t* name) {
  KQ_EmbeddedData record(id, module);
  record.name = name;
  return record;
}

struct KeyCase {
  const char* what;
  KQ_FileLink3 link;
  FileLinkKey expected;
};

TEST(KQ_FileLink3, KeysOfModuleAndRecordLinks) {
  const KeyCase cases[] = {
      {"default", KQ_FileLink3(), {L"", 0}},
      {"module link, id sign-extended", KQ_FileLink3(-1, L"tessaly.dll"), {L"tessaly.dll", -1}},
      {"from a key", KQ_FileLink3(FileLinkKey{L"p", 3}), {L"p", 3}},
      {"record with a resource id names the module",
       KQ_FileLink3(Record(7, L"pack.dll", L"ignored.png")), {L"pack.dll", 7}},
      {"record resource id zero-extended", KQ_FileLink3(Record(-1, L"pack.dll", L"")),
       {L"pack.dll", 4294967295}},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(c.expected.path, c.link.Key().path) << c.what;
    EXPECT_EQ(c.expected.id, c.link.Key().id) << c.what;
  }
}

TEST(KQ_FileLink3, RecordsWithoutResourceIdTakeTheNextRunningNumber) {
  EmbeddedLinkCounter = 0;
  const KQ_EmbeddedData record = Record(0, L"pack.dll", L"leaf.png");
  const KQ_FileLink3 first(record), second(record);
  EXPECT_EQ(L"leaf.png", first.Key().path);
  EXPECT_EQ(0, first.Key().id);
  EXPECT_EQ(1, second.Key().id);
  EXPECT_EQ(2, EmbeddedLinkCounter);
}

TEST(KQ_FileLink3, LowerExtension) {
  const struct {
    const wchar_t* path;
    const wchar_t* extension;
  } cases[] = {
      {L"C:\\Pics\\Photo.JPG", L".jpg"},
      {L"tessaly.dll", L".dll"},
      {L"TESSALY.DLL", L".dll"},
      {L"no dot", L""},
      {L"dir.old\\file", L".old\\file"},
      {L"a.B\xC4", L".b\xC4"},  // only A to Z change
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.extension, KQ_FileLink3(FileLinkKey{c.path, 0}).LowerExtension()) << c.path;
}

TEST(KQ_FileLink3, FileLinkIdIsTheLastWriteTimeInSecondsSince1970) {
  wchar_t folder[MAX_PATH], path[MAX_PATH];
  ASSERT_NE(0u, GetTempPathW(MAX_PATH, folder));
  ASSERT_NE(0u, GetTempFileNameW(folder, L"lnk", 0, path));
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  // 2020-01-01 00:00:00 UTC in 100 ns ticks since 1601.
  const ULONGLONG ticks = 132223104000000000ull;
  const FILETIME written = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
  CloseHandle(file);

  const KQ_FileLink3 link{kq_string(path)};
  DeleteFileW(path);
  EXPECT_EQ(path, link.Key().path);
  EXPECT_EQ(1577836800, link.Key().id);
  EXPECT_EQ(0, KQ_FileLink3(kq_string(path)).Key().id) << "the file is gone";
}

TEST(KQ_FileLink3, SetTellsControlsOnlyOfADifferentKey) {
  KQ_FileLink3 link(5, L"tessaly.dll");
  std::vector<std::string> log;
  RecordingControl binding(log, "binding");
  binding.Watch(link);
  link.Set({L"tessaly.dll", 5});
  link.Set({L"tessaly.dll", 6});
  link.Set({L"Tessaly.dll", 6});
  EXPECT_EQ(2u, log.size());
}

TEST(KQ_ImageFileLink, CopyHasAFreshUndoFirstAndNoBindings) {
  KQ_ImageFileLink original(5, L"tessaly.dll");
  std::vector<std::string> log;
  RecordingControl binding(log, "binding");
  binding.Watch(original);
  original.UndoControl().Record();

  const KQ_ImageFileLink copies[] = {KQ_ImageFileLink(original),
                                     KQ_ImageFileLink(KQ_FileLink3(original))};
  for (const KQ_ImageFileLink& copy : copies) {
    EXPECT_EQ(original.Key(), copy.Key());
    ASSERT_EQ(1u, copy.Controls().size());
    EXPECT_EQ(&copy.UndoControl(), copy.Controls()[0]);
    EXPECT_EQ(0u, copy.UndoControl().HistorySize());
    EXPECT_EQ(original.Key(), copy.UndoControl().Snapshot());
  }
}

TEST(ReadFileLink, StoresTheKeyWithoutTellingAnyControl) {
  KQ_IOF_W writer;
  writer.WriteString(L"");  // a String of length 0 keeps the path
  writer.WriteInt64(-2);
  writer.WriteString(L"b.png");
  writer.WriteInt64(1234567890123);
  ResourceBuffer buffer(writer.Bytes().data(), writer.Bytes().size());
  KQ_IOF_R<ResourceBuffer> reader(buffer);

  KQ_ImageFileLink link(5, L"tessaly.dll");
  std::vector<std::string> log;
  RecordingControl binding(log, "binding");
  binding.Watch(link);

  ReadFileLink(reader, link);
  EXPECT_EQ(L"tessaly.dll", link.Key().path);
  EXPECT_EQ(-2, link.Key().id);
  ReadFileLink(reader, link);
  EXPECT_EQ(L"b.png", link.Key().path);
  EXPECT_EQ(1234567890123, link.Key().id);
  EXPECT_FALSE(reader.Failed());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(L"tessaly.dll", link.UndoControl().Snapshot().path);
  EXPECT_EQ(5, link.UndoControl().Snapshot().id);
}

}  // namespace
