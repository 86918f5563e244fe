#include "app/sound_playlist.h"

#include "app/sound_graph.h"

namespace {

constexpr int CompletedEvent = 1;  // EC_COMPLETE
constexpr long Silence = -10000;

class GraphOutput : public SoundOutput {
public:
  bool Play(const kq_string& path, long volume) override { return PlaySoundFile(path, volume); }
};

}  // namespace

SoundOutput& GraphSoundOutput() {
  static GraphOutput output;
  return output;
}

long SoundVolumeLevel(const SoundSettings& settings) {
  if (settings.mute) return Silence;
  const long volume = settings.volume > 100 ? 100 : static_cast<long>(settings.volume);
  return (volume - 100) * 40;
}

void SoundPlaylist::Start(std::vector<DataBlob*> files) {
  files_ = std::move(files);
  position_ = 0;
  PlayCurrent();
}

void SoundPlaylist::OnSoundEvent(int eventCode) {
  if (eventCode == CompletedEvent) PlayCurrent();
}

void SoundPlaylist::Clear() {
  files_.clear();
  position_ = 0;
}

void SoundPlaylist::PlayCurrent() {
  for (size_t tried = 0; tried < files_.size(); ++tried) {
    DataBlob& file = *files_[position_];
    position_ = (position_ + 1) % files_.size();
    SoundSettings sound;
    ReadSoundSettings(sound);
    if (output_.Play(file.name, SoundVolumeLevel(sound))) return;
  }
}
