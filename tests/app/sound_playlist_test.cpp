// The show's music: files in order, the next one when a file has played to its end, the first
// again after the last, unplayable files passed over, and the stored volume and mute read for
// every file.
#include <gtest/gtest.h>

#include <cwchar>
#include <set>

#include "app/sound_playlist.h"
#include "tests/app/registry_sandbox.h"

namespace {

constexpr int Completed = 1;  // EC_COMPLETE

class SoundSandbox : public RegistrySandbox {
public:
  SoundSandbox() : RegistrySandbox(L"Software\\Vantorel\\Brindlewick Tests\\Playlist\\") {
    std::wcscpy(SettingsKeyPath, Path().c_str());
  }
};

// Plays nothing; records what it was asked to play and refuses the files it is told to.
class RecordingOutput : public SoundOutput {
public:
  bool Play(const kq_string& path, long volume) override {
    played.push_back(path);
    volumes.push_back(volume);
    return !unplayable.count(path);
  }
  std::vector<kq_string> played;
  std::vector<long> volumes;
  std::set<kq_string> unplayable;
};

struct Music {
  explicit Music(std::vector<kq_string> paths) {
    for (const kq_string& path : paths) blobs.push_back(DataBlob{path, {}});
    for (DataBlob& blob : blobs) files.push_back(&blob);
  }
  std::vector<DataBlob> blobs;
  std::vector<DataBlob*> files;
};

TEST(SoundVolumeLevel, FortyHundredthsOfADecibelPerStepAndSilenceWhenMuted) {
  struct Case {
    DWORD volume, mute;
    long level;
  };
  const Case cases[] = {{100, 0, 0},      {50, 0, -2000}, {0, 0, -4000}, {1, 0, -3960},
                        {100, 1, -10000}, {0, 1, -10000}, {250, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.level, SoundVolumeLevel({c.volume, c.mute})) << c.volume << " " << c.mute;
  }
}

TEST(SoundPlaylist, PlaysInOrderAndWrapsOnlyOnCompletion) {
  SoundSandbox sandbox;
  struct Case {
    std::vector<kq_string> files;
    std::vector<kq_string> played;
  };
  const Case cases[] = {
      {{L"a.wav", L"b.wav", L"c.wav"}, {L"a.wav", L"b.wav", L"c.wav", L"a.wav", L"b.wav"}},
      {{L"only.wav"}, {L"only.wav", L"only.wav", L"only.wav", L"only.wav", L"only.wav"}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    RecordingOutput output;
    SoundPlaylist playlist(output);
    Music music(c.files);
    playlist.Start(music.files);
    for (int code : {2, 3, 13, -1}) playlist.OnSoundEvent(code);  // no completion: no change
    for (int i = 0; i < 4; ++i) playlist.OnSoundEvent(Completed);
    EXPECT_EQ(c.played, output.played) << c.files.size() << " files";
  }
}

TEST(SoundPlaylist, PassesOverFilesThatCannotBePlayed) {
  SoundSandbox sandbox;
  RecordingOutput output;
  output.unplayable = {L"broken.wav"};
  SoundPlaylist playlist(output);
  Music music({L"a.wav", L"broken.wav", L"b.wav"});
  playlist.Start(music.files);
  playlist.OnSoundEvent(Completed);
  playlist.OnSoundEvent(Completed);
  const std::vector<kq_string> expected = {L"a.wav", L"broken.wav", L"b.wav", L"a.wav"};
  EXPECT_EQ(expected, output.played) << "the music goes on after a file that cannot be played";

  RecordingOutput silent;
  silent.unplayable = {L"x.wav", L"y.wav"};
  SoundPlaylist nothingPlays(silent);
  Music broken({L"x.wav", L"y.wav"});
  nothingPlays.Start(broken.files);
  EXPECT_EQ(2u, silent.played.size()) << "one round, then the music stays off";
}

TEST(SoundPlaylist, ReadsVolumeAndMuteBeforeEveryFile) {
  SoundSandbox sandbox;
  RecordingOutput output;
  SoundPlaylist playlist(output);
  Music music({L"a.wav", L"b.wav"});
  playlist.Start(music.files);
  sandbox.SetDword(L"", L"\"SoundVolume\"", 50);
  playlist.OnSoundEvent(Completed);
  sandbox.SetDword(L"", L"\"MuteSound\"", 1);
  playlist.OnSoundEvent(Completed);
  sandbox.SetDword(L"", L"\"MuteSound\"", 0);
  sandbox.SetDword(L"", L"\"SoundVolume\"", 0);
  playlist.OnSoundEvent(Completed);
  const std::vector<long> expected = {0, -2000, -10000, -4000};
  EXPECT_EQ(expected, output.volumes);
  EXPECT_EQ(4u, output.played.size()) << "muted files still advance the list";
}

}  // namespace
