#include "tests/app/alsa_file_sink.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <fstream>
#include <iterator>

#include "tests/app/saver_paths.h"

AlsaFileSink::AlsaFileSink() {
  char config[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("ALSA_CONFIG_PATH", config, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::string unixConfig = config;
  const std::string unixSamples = unixConfig.substr(0, unixConfig.rfind('/') + 1) + "audio.raw";
  configPath_ = WindowsPathOf(unixConfig.c_str());
  samplesPath_ = WindowsPathOf(unixSamples.c_str());
  const std::wstring folder = configPath_.substr(0, configPath_.rfind(L'\\'));
  CreateDirectoryW(folder.c_str(), nullptr);
  DeleteStreams();
  // Each file the saver plays opens the device anew; without truncation ALSA gives every new
  // stream a numbered file of its own instead of overwriting the last one.
  std::ofstream(configPath_.c_str()) << "pcm.!default { type file slave.pcm \"null\" file \""
                                     << unixSamples << "\" format \"raw\" truncate false }\n"
                                     << "pcm.null { type null }\n";
}

AlsaFileSink::~AlsaFileSink() {
  if (!Ready()) return;
  DeleteStreams();
  DeleteFileW(configPath_.c_str());
}

std::wstring AlsaFileSink::StreamPath(int index) const {
  if (index == 0) return samplesPath_;
  wchar_t suffix[8];
  swprintf(suffix, 8, L".%04d", index);
  return samplesPath_ + suffix;
}

void AlsaFileSink::DeleteStreams() const {
  for (int i = 0; DeleteFileW(StreamPath(i).c_str()); ++i) {
  }
}

std::vector<std::vector<float>> AlsaFileSink::Streams() const {
  std::vector<std::vector<float>> streams;
  for (int i = 0; Ready(); ++i) {
    std::ifstream file(StreamPath(i).c_str(), std::ios::binary);
    if (!file) break;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    std::vector<float>& left = streams.emplace_back();
    for (size_t at = 0; at + 2 * sizeof(float) <= bytes.size(); at += 2 * sizeof(float)) {
      float sample;
      std::memcpy(&sample, bytes.data() + at, sizeof sample);
      left.push_back(sample);
    }
  }
  return streams;
}
