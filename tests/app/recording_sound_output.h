// A sound output that plays nothing and keeps the path of every file it was asked to play.
#pragma once

#include <vector>

#include "app/sound_playlist.h"

class RecordingSoundOutput : public SoundOutput {
public:
  bool Play(const kq_string& path, long) override {
    played.push_back(path);
    return true;
  }
  std::vector<kq_string> played;
};
