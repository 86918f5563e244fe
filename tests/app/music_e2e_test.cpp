// The background music end to end: the saver runs full screen with ALSA's default device set to
// a file, and the test listens to what it played. The built-in show's pieces play in order, the
// first again after the last, at the stored volume, silent when muted; a document written by the
// test into a copy of the saver shows how records are found, written out and passed over.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>

#include "document/kq_iof_w.h"
#include "show/project_document.h"
#include "tests/app/alsa_file_sink.h"
#include "tests/app/heard_music.h"
#include "tests/app/registry_sandbox.h"
#include "tests/app/saver_copy.h"
#include "tests/app/saver_paths.h"
#include "tools/demo_show/demo_music.h"
#include "tools/saver_process/saver_process.h"

namespace {

constexpr DWORD ListenTimeoutMs = 40000;
constexpr size_t Morning = 0, Evening = 1;

using Streams = std::vector<std::vector<float>>;

// A saver running full screen, its sound going to a file sink.
class MusicRun {
public:
  explicit MusicRun(const std::wstring& program = SaverWindowsPath()) : saver_(program, L"/s") {
    EXPECT_TRUE(saver_.Started()) << "error " << GetLastError() << " starting the saver";
    EXPECT_TRUE(sink_.Ready()) << "ALSA_CONFIG_PATH names the sink's configuration (set by ctest)";
  }
  ~MusicRun() {
    for (HWND window : saver_.SaverWindows()) PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(saver_.WaitForExit(10000));
  }

  // The streams that have ended so far, once `enough` holds for them or the time is up. A
  // stream has ended when the next one has begun: until then it may be only the start of what
  // the saver plays into it.
  Streams ListenUntil(const std::function<bool(const Streams&)>& enough) {
    Streams ended;
    WaitUntil(
        [&] {
          ended = sink_.Streams();
          if (!ended.empty()) ended.pop_back();
          return enough(ended);
        },
        ListenTimeoutMs);
    return ended;
  }

private:
  AlsaFileSink sink_;
  SaverProcess saver_;
};

std::vector<size_t> Pieces(const Streams& streams) {
  return PiecesHeard(streams, AlsaFileSink::SampleRate);
}

auto PiecesHeardAtLeast(size_t count) {
  return [count](const Streams& streams) { return Pieces(streams).size() >= count; };
}

auto StreamsAtLeast(size_t count) {
  return [count](const Streams& streams) { return streams.size() >= count; };
}

// What each stream held, for failure messages: seconds of sound, piece, peak.
std::string Describe(const Streams& streams) {
  std::string text;
  for (const std::vector<float>& stream : streams) {
    const HeardStream heard = ListenTo(stream, AlsaFileSink::SampleRate);
    const auto sound = std::count_if(stream.begin(), stream.end(), [](float v) { return v != 0; });
    text += "[" + std::to_string(static_cast<double>(sound) / AlsaFileSink::SampleRate) +
            " s, piece " + (heard.piece ? std::to_string(*heard.piece) : std::string("none")) +
            ", peak " + std::to_string(heard.peak) + "] ";
  }
  return text;
}

std::vector<size_t> FirstOf(std::vector<size_t> order, size_t count) {
  if (order.size() > count) order.resize(count);
  return order;
}

TEST(BackgroundMusic, TheShowsPiecesPlayInOrderEachAfterTheEndOfTheOtherAndStartAgain) {
  RegistrySandbox settings(ProductSettingsKey);
  MusicRun run;
  const Streams streams = run.ListenUntil(PiecesHeardAtLeast(3));
  const std::vector<size_t> expected = {Morning, Evening, Morning};
  EXPECT_EQ(expected, FirstOf(Pieces(streams), 3)) << "one stream per file: " << Describe(streams);
  ASSERT_GE(streams.size(), 2u);
  const size_t firstSound =
      std::count_if(streams[0].begin(), streams[0].end(), [](float v) { return v != 0; });
  EXPECT_GT(firstSound, static_cast<size_t>(AlsaFileSink::SampleRate) *
                            demo_show::DemoMusic[Morning].seconds / 2)
      << "the next piece waits for the end of the first: " << Describe(streams);
}

// A copy of the saver whose show is a document of the test: no slides, the given music.
class SaverWithMusic {
public:
  explicit SaverWithMusic(std::vector<DataBlob> music) : copy_(L"music") {
    KQ_SlideShow_Light show;
    for (DataBlob& file : music) {
      auto record = std::make_unique<KQ_AudioFile>();
      record->file = std::move(file);
      show.AddAudioFile(std::move(record));
    }
    KQ_IOF_W document;
    WriteProjectDocument(document, show, KQ_DocResManager());
    replaced_ = ReplaceDocument(document.Bytes());
  }
  const std::wstring& Program() const { return copy_.Program(); }
  const std::wstring& Folder() const { return copy_.Folder(); }
  bool Replaced() const { return replaced_; }

private:
  static BOOL CALLBACK KeepLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
  }
  // The document resource in the language the saver's own one has, so it is replaced.
  bool ReplaceDocument(const std::vector<uint8_t>& bytes) {
    WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    if (HMODULE module =
            LoadLibraryExW(copy_.Program().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
      EnumResourceLanguagesW(module, L"DDS", MAKEINTRESOURCEW(ProjectDocumentResource),
                             KeepLanguage, reinterpret_cast<LONG_PTR>(&language));
      FreeLibrary(module);
    }
    HANDLE update = BeginUpdateResourceW(copy_.Program().c_str(), FALSE);
    return update &&
           UpdateResourceW(update, L"DDS", MAKEINTRESOURCEW(ProjectDocumentResource), language,
                           const_cast<uint8_t*>(bytes.data()), static_cast<DWORD>(bytes.size())) &&
           EndUpdateResourceW(update, FALSE);
  }

  SaverCopy copy_;
  bool replaced_ = false;
};

void WriteFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path.c_str(), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A piece of the show cut to two seconds: the tests of settings and records need no more of
// it, and its chord still tells it apart.
std::vector<uint8_t> ShortPiece(size_t piece) {
  demo_show::DemoPiece shorter = demo_show::DemoMusic[piece];
  shorter.seconds = 2.0;
  return demo_show::SynthesisePiece(shorter);
}

// A copy of the saver that plays the two short pieces in turn.
std::vector<DataBlob> ShortPieces() {
  return {DataBlob{L"C:\\Nowhere\\morning.wav", ShortPiece(Morning)},
          DataBlob{L"C:\\Nowhere\\evening.wav", ShortPiece(Evening)}};
}

// How loud `program`'s first piece played at `volume` (none stored: full volume).
float LoudnessAtVolume(const std::wstring& program, std::optional<DWORD> volume) {
  RegistrySandbox settings(ProductSettingsKey);
  if (volume) settings.SetDword(L"", L"\"SoundVolume\"", *volume);
  MusicRun run(program);
  const Streams streams = run.ListenUntil(StreamsAtLeast(1));
  return streams.empty() ? 0 : ListenTo(streams[0], AlsaFileSink::SampleRate).peak;
}

TEST(BackgroundMusic, PlaysAtTheStoredVolume) {
  SaverWithMusic saver(ShortPieces());
  ASSERT_TRUE(saver.Replaced());
  const float full = LoudnessAtVolume(saver.Program(), std::nullopt);
  ASSERT_GT(full, 0.1f);
  struct Case {
    DWORD volume;
    double ratio;  // 40 hundredths of a decibel per step below 100
  };
  const Case cases[] = {{100, 1.0}, {50, 0.1}, {0, 0.01}};
  for (const Case& c : cases) {
    EXPECT_NEAR(c.ratio, LoudnessAtVolume(saver.Program(), c.volume) / full, c.ratio * 0.15)
        << "volume " << c.volume;
  }
}

TEST(BackgroundMusic, MutedPlaysSilentlyAndStillMovesOn) {
  RegistrySandbox settings(ProductSettingsKey);
  settings.SetDword(L"", L"\"MuteSound\"", 1);
  SaverWithMusic saver(ShortPieces());
  ASSERT_TRUE(saver.Replaced());
  MusicRun run(saver.Program());
  // Two ended streams: both pieces were played to their ends.
  const Streams streams = run.ListenUntil(StreamsAtLeast(2));
  ASSERT_GE(streams.size(), 2u) << Describe(streams);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_GT(streams[i].size(), static_cast<size_t>(AlsaFileSink::SampleRate))
        << "stream " << i << " played for a while";
  }
  for (const std::vector<float>& stream : streams) {
    EXPECT_EQ(0.0f, ListenTo(stream, AlsaFileSink::SampleRate).peak);
  }
}

TEST(BackgroundMusic, RecordsPlayTheirFileOrTheirWrittenCopyAndBrokenOnesArePassedOver) {
  RegistrySandbox settings(ProductSettingsKey);
  const std::vector<uint8_t> morning = ShortPiece(Morning);
  const std::vector<uint8_t> evening = ShortPiece(Evening);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring broken = std::wstring(temp) + L"brindlewick-test-broken.wav";
  const std::wstring onDisk = std::wstring(temp) + L"brindlewick-test-evening.wav";
  WriteFile(broken, std::vector<uint8_t>(4000, 'x'));
  WriteFile(onDisk, evening);
  SaverWithMusic saver({
      DataBlob{L"C:\\Nowhere\\morning.wav", morning},  // missing: plays its written copy
      DataBlob{broken, {}},                            // cannot be played: passed over
      DataBlob{onDisk, morning},                       // the file on disk wins over its bytes
  });
  ASSERT_TRUE(saver.Replaced());

  MusicRun run(saver.Program());
  const Streams streams = run.ListenUntil(PiecesHeardAtLeast(3));
  ASSERT_GE(streams.size(), 3u) << Describe(streams);
  const size_t expected[] = {Morning, Evening, Morning};
  for (size_t i = 0; i < 3; ++i) {
    const HeardStream heard = ListenTo(streams[i], AlsaFileSink::SampleRate);
    EXPECT_EQ(expected[i], heard.piece.value_or(99))
        << "stream " << i << " (the broken record opens none): " << Describe(streams);
  }
  WIN32_FIND_DATAW found;
  HANDLE search =
      FindFirstFileW((std::wstring(temp) + L"brindlewick-*-morning.wav").c_str(), &found);
  EXPECT_NE(INVALID_HANDLE_VALUE, search)
      << "the embedded piece was written to the temporary folder";
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  DeleteFileW(broken.c_str());
  DeleteFileW(onDisk.c_str());
}

}  // namespace
