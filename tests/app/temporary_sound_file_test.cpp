// Embedded sound files written to a folder: names that stay inside it and do not collide,
// the stored file preferred when it exists, and a failed write that keeps the bytes.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

#include "app/temporary_sound_file.h"

namespace {

const std::vector<uint8_t> Bytes = {'R', 'I', 'F', 'F', 1, 2, 3, 4};

// A folder of the test's own under the temporary folder, removed with its files at the end.
class ScratchFolder {
public:
  explicit ScratchFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path = std::wstring(temp) + name + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(path.c_str(), nullptr);
  }
  ~ScratchFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do DeleteFileW((path + found.cFileName).c_str());
      while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
  }
  std::wstring path;
};

std::vector<uint8_t> ContentOf(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::wstring Suffix(const std::wstring& name) {
  // "brindlewick-" + 16 hex digits + "-"
  return name.size() > 29 ? name.substr(29) : L"";
}

TEST(TemporarySoundName, KeepsOnlyAUsableLastComponent) {
  struct Case {
    const wchar_t* storedPath;
    std::wstring name;
  };
  const Case cases[] = {
      {L"C:\\Music\\dawn.wav", L"dawn.wav"},
      {L"dawn.wav", L"dawn.wav"},
      {L"x\\../../evil.dll", L"evil.dll"},
      {L"C:/music/dusk.wav", L"dusk.wav"},
      {L"C:\\Music\\..", L"sound"},
      {L"C:\\Music\\.", L"sound"},
      {L"C:\\Music\\", L"sound"},
      {L"", L"sound"},
      {L"C:stream.wav:hidden", L"C_stream.wav_hidden"},
      {L"a<b>|c?*\".wav", L"a_b__c___.wav"},
      {L"trailing.wav. . ", L"trailing.wav"},
  };
  for (const Case& c : cases) {
    const std::wstring name = TemporarySoundName(DataBlob{c.storedPath, Bytes});
    EXPECT_EQ(0u, name.find(L"brindlewick-")) << c.storedPath;
    EXPECT_EQ(c.name, Suffix(name)) << c.storedPath;
  }
  const std::wstring longName =
      Suffix(TemporarySoundName(DataBlob{L"C:\\" + std::wstring(300, L'n') + L".wav", Bytes}));
  EXPECT_EQ(64u, longName.size());
  EXPECT_EQ(L".wav", longName.substr(60)) << "a long name keeps its extension";
}

TEST(TemporarySoundName, DiffersForOtherBytesAndAgreesForTheSame) {
  const DataBlob first{L"C:\\One\\theme.wav", Bytes};
  const DataBlob sameBytes{L"D:\\Two\\theme.wav", Bytes};
  const DataBlob otherBytes{L"D:\\Two\\theme.wav", {1, 2, 3}};
  EXPECT_EQ(TemporarySoundName(first), TemporarySoundName(sameBytes));
  EXPECT_NE(TemporarySoundName(first), TemporarySoundName(otherBytes))
      << "two records named alike in different folders do not overwrite each other";
}

TEST(MaterialiseAudioFile, WritesTheBytesAndPlaysTheCopy) {
  ScratchFolder folder(L"sound-write-");
  DataBlob file{L"C:\\Nowhere\\dawn.wav", Bytes};
  const std::wstring expected = folder.path + TemporarySoundName(file);
  MaterialiseAudioFile(file, folder.path);
  EXPECT_EQ(expected, file.name);
  EXPECT_TRUE(file.bytes.empty()) << "the bytes now live in the file";
  EXPECT_EQ(Bytes, ContentOf(expected));
}

TEST(MaterialiseAudioFile, PrefersAnExistingStoredFileAndLeavesRecordsWithoutBytes) {
  ScratchFolder folder(L"sound-existing-");
  const std::wstring existing = folder.path + L"existing.wav";
  std::ofstream(existing.c_str()) << "sound";
  DataBlob stored{existing, Bytes};
  MaterialiseAudioFile(stored, folder.path);
  EXPECT_EQ(existing, stored.name);
  EXPECT_TRUE(stored.bytes.empty()) << "the bytes are dropped";

  DataBlob withoutBytes{L"C:\\Nowhere\\plain.wav", {}};
  MaterialiseAudioFile(withoutBytes, folder.path);
  EXPECT_EQ(L"C:\\Nowhere\\plain.wav", withoutBytes.name);

  DataBlob namedAfterAFolder{folder.path.substr(0, folder.path.size() - 1), Bytes};
  MaterialiseAudioFile(namedAfterAFolder, folder.path);
  EXPECT_TRUE(namedAfterAFolder.bytes.empty());
  EXPECT_EQ(0u, namedAfterAFolder.name.find(folder.path.substr(0, folder.path.size() - 1) +
                                            L"\\brindlewick-"))
      << "a folder is no sound file: the bytes are written";
}

TEST(MaterialiseAudioFile, KeepsBytesAndNameWhenTheFileCannotBeWritten) {
  const std::wstring missingFolder = L"C:\\no such folder\\deeper\\";
  DataBlob file{L"C:\\Nowhere\\dawn.wav", Bytes};
  MaterialiseAudioFile(file, missingFolder);
  EXPECT_EQ(L"C:\\Nowhere\\dawn.wav", file.name);
  EXPECT_EQ(Bytes, file.bytes);

  DataBlob tooLong{L"C:\\Nowhere\\dawn.wav", Bytes};
  MaterialiseAudioFile(tooLong, L"C:\\" + std::wstring(240, L'f') + L"\\");
  EXPECT_EQ(Bytes, tooLong.bytes) << "a path beyond MAX_PATH is not written";
}

TEST(MaterialiseAudioFile, WritesTheSameBytesOncePerProcess) {
  ScratchFolder folder(L"sound-once-");
  DataBlob first{L"C:\\Nowhere\\theme.wav", Bytes};
  MaterialiseAudioFile(first, folder.path);
  // Another monitor's player may be playing the file: it is open without write sharing.
  HANDLE reading = CreateFileW(first.name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reading);
  DataBlob second{L"C:\\Nowhere\\theme.wav", Bytes};
  MaterialiseAudioFile(second, folder.path);
  CloseHandle(reading);
  EXPECT_EQ(first.name, second.name);
  EXPECT_TRUE(second.bytes.empty()) << "the file already written serves the second copy";
}

}  // namespace
