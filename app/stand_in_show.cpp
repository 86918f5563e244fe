// TEMPORARY stand-in for the slide show, until the show's document loading and playback land:
// it checks that the document slot exists and clears the screen to a slowly changing colour.
#include <cmath>

#include "app/saver_codes.h"
#include "app/show_playback.h"

namespace {

constexpr int DocumentResource = 107;

class StandInShow : public ShowPlayback {
public:
  void Select(IDirect3DDevice9* device) override { device_ = device; }

  HRESULT Load() override {
    return FindResourceW(nullptr, MAKEINTRESOURCEW(DocumentResource), L"DDS")
               ? S_OK
               : saver_error::MediaNotFound;
  }

  void FrameMove(float time) override { time_ = time; }

  void Render() override {
    auto channel = [&](float phase) {
      return static_cast<int>(96 + 80 * std::sin(time_ * 0.5f + phase));
    };
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_XRGB(channel(0), channel(2), channel(4)),
                   1.0f, 0);
  }

  void InvalidateDeviceObjects() override {}
  void RestoreDeviceObjects() override {}
  void ReleaseDeviceObjects() override {}
  std::vector<DataBlob*> AudioFiles() override { return {}; }
  void SetPicturePosition(int) override {}

private:
  IDirect3DDevice9* device_ = nullptr;
  float time_ = 0;
};

}  // namespace

std::unique_ptr<ShowPlayback> CreateShowPlayback() { return std::make_unique<StandInShow>(); }
