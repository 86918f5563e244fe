// The show's background music: its sound files in order, each started when the previous one
// has played to its end, starting again at the first after the last. The stored volume and
// mute are read again before every file, so a change in the sound dialog takes effect with
// the next one.
#pragma once

#include <vector>

#include "document/data_blob.h"
#include "app/settings_registry.h"

// Where the playlist's files are played: the process's sound graph, or a test's stand-in.
class SoundOutput {
public:
  virtual ~SoundOutput() = default;
  // Stops what plays and plays `path` from its start at `volume` (hundredths of a decibel);
  // false when the file cannot be played.
  virtual bool Play(const kq_string& path, long volume) = 0;
};

// The process's sound graph.
SoundOutput& GraphSoundOutput();

// put_Volume's value for the settings: 0 at full volume, 40 hundredths of a decibel less per
// step below 100, and silence (-10000) when muted.
long SoundVolumeLevel(const SoundSettings& settings);

class SoundPlaylist {
public:
  explicit SoundPlaylist(SoundOutput& output) : output_(output) {}

  // Starts the first of `files` (the show's audio records, which outlive the playlist).
  void Start(std::vector<DataBlob*> files);
  // An event of the sound graph: a completed file (EC_COMPLETE) starts the next.
  void OnSoundEvent(int eventCode);
  // Lets go of the files before their records go; nothing plays until the next Start.
  void Clear();

private:
  // Plays the file at the current position, or the first after it that can be played; a
  // round of the whole list that plays nothing leaves the music off.
  void PlayCurrent();

  SoundOutput& output_;
  std::vector<DataBlob*> files_;
  size_t position_ = 0;  // the next file to play
};
