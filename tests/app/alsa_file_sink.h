// ALSA's default device turned into a file for the processes a test starts: Wine's sound
// output then lands in that file as raw samples, so a test can listen to what a saver played.
// The configuration is a file the test writes where ALSA_CONFIG_PATH points; ALSA then reads
// neither the system's configuration nor the user's ~/.asoundrc.
//
// Wine starts a program with the Unix environment of the process that started it (its Windows
// environment is passed on separately), so ALSA_CONFIG_PATH must already be in the test's own
// environment: the test's registration sets it.
#pragma once

#include <string>
#include <vector>

class AlsaFileSink {
public:
  // Writes the configuration where ALSA_CONFIG_PATH points (a Unix path), with the samples
  // file beside it, and empties that file.
  AlsaFileSink();
  ~AlsaFileSink();
  AlsaFileSink(const AlsaFileSink&) = delete;
  AlsaFileSink& operator=(const AlsaFileSink&) = delete;

  // The left channel of every sound stream played so far, in the order they were opened: the
  // saver opens one per sound file. Wine 8 writes 32-bit float stereo frames at 48 kHz; between
  // the sound it writes runs of exact zeros (the null device takes data faster than real
  // time), which carry nothing.
  std::vector<std::vector<float>> Streams() const;
  // False when ALSA_CONFIG_PATH is not set, so nothing can be heard.
  bool Ready() const { return !configPath_.empty(); }

  static constexpr int SampleRate = 48000;

private:
  // The file of stream `index`: the sink's file name, then the same with ".0001", ".0002"...
  std::wstring StreamPath(int index) const;
  void DeleteStreams() const;

  std::wstring samplesPath_, configPath_;
};
