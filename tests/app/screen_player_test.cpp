// The player's start step around the show's music: embedded sound files are written before the
// first one plays, the pictures get the stored position, and the end of a file starts the next.
#include <gtest/gtest.h>

#include <cwchar>

#include "app/screen_player.h"
#include "app/settings_registry.h"
#include "tests/app/recording_show.h"
#include "tests/app/recording_sound_output.h"
#include "tests/app/registry_sandbox.h"

namespace {

TEST(ScreenPlayer, StartsTheMusicFromTheTemporaryCopiesAndPlacesThePictures) {
  RegistrySandbox sandbox(L"Software\\Vantorel\\Brindlewick Tests\\Player\\");
  std::wcscpy(SettingsKeyPath, sandbox.Path().c_str());
  WritePicPos(0);  // Stretch: neither the default (Fill) nor what the record starts with
  std::vector<std::shared_ptr<ShowRecord>> records;
  RecordingSoundOutput output;
  ScreenPlayer player(RecordingShows(records)(), output);
  ShowRecord& show = *records[0];
  show.music = {DataBlob{L"C:\\Nowhere\\embedded.wav", {'R', 'I', 'F', 'F'}},
                DataBlob{L"C:\\Nowhere\\plain.wav", {}}};

  ASSERT_EQ(S_OK, player.StartScene());
  ASSERT_EQ(1u, output.played.size());
  EXPECT_EQ(show.music[0].name, output.played[0]) << "the record names its written copy";
  EXPECT_NE(L"C:\\Nowhere\\embedded.wav", output.played[0]);
  EXPECT_TRUE(show.music[0].bytes.empty());
  EXPECT_EQ(0, show.picturePosition);

  player.NextSound(1);
  player.NextSound(1);
  const std::vector<kq_string> expected = {show.music[0].name, L"C:\\Nowhere\\plain.wav",
                                           show.music[0].name};
  EXPECT_EQ(expected, output.played);
  DeleteFileW(show.music[0].name.c_str());
}

// The device objects go at the end and in error mode; the show's document goes with them, and
// a sound event arriving later must not reach into its audio records.
TEST(ScreenPlayer, ForgetsItsShowAndMusicWithItsDeviceObjects) {
  std::vector<std::shared_ptr<ShowRecord>> records;
  RecordingSoundOutput output;
  ScreenPlayer player(RecordingShows(records)(), output);
  ShowRecord& show = *records[0];
  show.music = {DataBlob{L"C:\\Nowhere\\a.wav", {}}, DataBlob{L"C:\\Nowhere\\b.wav", {}}};
  ASSERT_EQ(S_OK, player.StartScene());
  player.FrameMove(0.5f);
  ASSERT_EQ(1u, output.played.size());
  ASSERT_EQ(1, show.frameMoves);

  player.ReleaseDeviceObjects();
  EXPECT_EQ(1, show.releases);
  player.NextSound(1);
  player.FrameMove(1.0f);
  player.InvalidateDeviceObjects();
  player.ReleaseDeviceObjects();
  EXPECT_EQ(1u, output.played.size()) << "no file of the released show is played";
  EXPECT_EQ(1, show.frameMoves) << "the released show is not played on";
  EXPECT_EQ(0, show.invalidates);
  EXPECT_EQ(1, show.releases) << "the show is released once";
}

TEST(ScreenPlayer, AShowThatFailsToLoadPlaysNoMusic) {
  std::vector<std::shared_ptr<ShowRecord>> records;
  RecordingShowOptions options;
  options.loadResult = static_cast<HRESULT>(0x8200000B);
  RecordingSoundOutput output;
  ScreenPlayer player(RecordingShows(records, options)(), output);
  records[0]->music = {DataBlob{L"C:\\Nowhere\\a.wav", {}}};
  EXPECT_EQ(options.loadResult, player.StartScene());
  player.NextSound(1);
  EXPECT_TRUE(output.played.empty());
}

}  // namespace
