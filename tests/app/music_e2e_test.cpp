// The background music end to end: a saver whose show carries the built-in pieces runs full
// screen with ALSA's default device set to a file, and the test listens to that file: the
// pieces in order, the first again after the last, at the stored volume, silent when muted.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>

#include "tests/app/alsa_file_sink.h"
#include "tests/app/heard_music.h"
#include "tests/app/registry_sandbox.h"
#include "tests/app/saver_paths.h"
#include "tools/saver_process.h"
#include "tools/show_music/show_pieces.h"

namespace {

constexpr DWORD ListenTimeoutMs = 30000;
constexpr size_t Morning = 0, Evening = 1;

std::wstring PiecePath(size_t piece) {
  const std::string name = ShowPieces[piece].fileName;
  return WindowsPathOf(BRINDLEWICK_SHOW_MUSIC_DIR) + L"\\" + std::wstring(name.begin(), name.end());
}

// The music saver running full screen on a playlist (see music_fixture_show.cpp), its sound
// going to a file sink.
class MusicRun {
public:
  explicit MusicRun(const std::wstring& playlist) : saver_(StartSaver(playlist)) {
    EXPECT_TRUE(sink_.Ready()) << "ALSA_CONFIG_PATH names the sink's configuration (set by ctest)";
  }
  ~MusicRun() {
    for (HWND window : saver_.SaverWindows()) PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(saver_.WaitForExit(10000));
  }

  // The streams played so far, once `enough` holds for them or the time is up.
  std::vector<std::vector<float>> ListenUntil(
      const std::function<bool(const std::vector<std::vector<float>>&)>& enough) {
    std::vector<std::vector<float>> streams;
    WaitUntil([&] { return enough(streams = sink_.Streams()); }, ListenTimeoutMs);
    return streams;
  }

private:
  static SaverProcess StartSaver(const std::wstring& playlist) {
    SetEnvironmentVariableW(L"BRINDLEWICK_TEST_MUSIC", playlist.c_str());
    return SaverProcess(WindowsPathOf(BRINDLEWICK_MUSIC_SAVER_PATH), L"/s");
  }

  AlsaFileSink sink_;
  SaverProcess saver_;
};

using Streams = std::vector<std::vector<float>>;

std::vector<size_t> Pieces(const Streams& streams) {
  return PiecesHeard(streams, AlsaFileSink::SampleRate);
}

auto PiecesHeardAtLeast(size_t count) {
  return [count](const Streams& streams) { return Pieces(streams).size() >= count; };
}

// What each stream held, for failure messages: "seconds of sound, piece, peak" per stream.
std::string Describe(const Streams& streams) {
  std::string text;
  for (const std::vector<float>& stream : streams) {
    const HeardStream heard = ListenTo(stream, AlsaFileSink::SampleRate);
    const size_t sound = static_cast<size_t>(
        std::count_if(stream.begin(), stream.end(), [](float v) { return v != 0.0f; }));
    text += "[" + std::to_string(sound / double(AlsaFileSink::SampleRate)) + " s, piece " +
            (heard.piece ? std::to_string(*heard.piece) : std::string("none")) + ", peak " +
            std::to_string(heard.peak) + "] ";
  }
  return text;
}

std::vector<size_t> FirstOf(std::vector<size_t> order, size_t count) {
  if (order.size() > count) order.resize(count);
  return order;
}

std::wstring TwoPieces() { return PiecePath(Morning) + L"|" + PiecePath(Evening); }

TEST(BackgroundMusic, PlaysThePiecesInOrderEachAfterTheEndOfTheOtherAndStartsAgain) {
  RegistrySandbox settings(ProductSettingsKey);
  MusicRun run(TwoPieces());
  const Streams streams = run.ListenUntil(PiecesHeardAtLeast(4));
  const std::vector<size_t> expected = {Morning, Evening, Morning, Evening};
  EXPECT_EQ(expected, FirstOf(Pieces(streams), 4))
      << "one stream per file, in order: " << Describe(streams);
  ASSERT_GE(streams.size(), 2u);
  EXPECT_TRUE(ListenTo(streams[0], AlsaFileSink::SampleRate).piece)
      << "the first stream is not cut short into silence";
}

TEST(BackgroundMusic, EmbeddedPiecesPlayFromTheTemporaryFolderAndBrokenFilesArePassedOver) {
  RegistrySandbox settings(ProductSettingsKey);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring broken = std::wstring(temp) + L"brindlewick-test-broken.wav";
  std::ofstream(broken.c_str()) << "no sound in here";
  // The first record's stored path does not exist; its bytes are embedded.
  MusicRun run(L"C:\\Nowhere\\morning-haze.wav?" + PiecePath(Morning) + L"|" + broken + L"|" +
               PiecePath(Evening));
  const Streams streams = run.ListenUntil(PiecesHeardAtLeast(3));
  ASSERT_GE(streams.size(), 3u) << Describe(streams);
  for (size_t i = 0; i < 3; ++i) {
    const HeardStream heard = ListenTo(streams[i], AlsaFileSink::SampleRate);
    ASSERT_TRUE(heard.piece) << "stream " << i << ": the broken file opens no stream; "
                             << Describe(streams);
    EXPECT_EQ(i == 1 ? Evening : Morning, *heard.piece)
        << "stream " << i << ": " << Describe(streams);
  }

  WIN32_FIND_DATAW found;
  HANDLE search =
      FindFirstFileW((std::wstring(temp) + L"brindlewick-*-morning-haze.wav").c_str(), &found);
  EXPECT_NE(INVALID_HANDLE_VALUE, search)
      << "the embedded piece was written to the temporary folder";
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  DeleteFileW(broken.c_str());
}

// How loud the first piece played at `volume` (none stored: full volume).
float LoudnessAtVolume(std::optional<DWORD> volume) {
  RegistrySandbox settings(ProductSettingsKey);
  if (volume) settings.SetDword(L"", L"\"SoundVolume\"", *volume);
  MusicRun run(TwoPieces());
  const Streams streams = run.ListenUntil([](const Streams& s) { return s.size() >= 2; });
  return streams.empty() ? 0 : ListenTo(streams[0], AlsaFileSink::SampleRate).peak;
}

TEST(BackgroundMusic, PlaysAtTheStoredVolume) {
  const float full = LoudnessAtVolume(std::nullopt);
  ASSERT_GT(full, 0.1f);
  struct Case {
    DWORD volume;
    double ratio;  // 40 hundredths of a decibel per step below 100
  };
  const Case cases[] = {{100, 1.0}, {50, 0.1}, {0, 0.01}};
  for (const Case& c : cases) {
    EXPECT_NEAR(c.ratio, LoudnessAtVolume(c.volume) / full, c.ratio * 0.15)
        << "volume " << c.volume;
  }
}

TEST(BackgroundMusic, MutedPlaysSilentlyAndStillMovesOn) {
  RegistrySandbox settings(ProductSettingsKey);
  settings.SetDword(L"", L"\"MuteSound\"", 1);
  MusicRun run(TwoPieces());
  // A third stream means both pieces were played to their ends.
  const Streams streams = run.ListenUntil([](const Streams& s) { return s.size() >= 3; });
  ASSERT_GE(streams.size(), 3u) << Describe(streams);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_GT(streams[i].size(), static_cast<size_t>(AlsaFileSink::SampleRate))
        << "stream " << i << " played for a while";
  }
  for (const std::vector<float>& stream : streams) {
    EXPECT_EQ(0.0f, ListenTo(stream, AlsaFileSink::SampleRate).peak);
  }
}

}  // namespace
