#include "tests/app/recording_show.h"

#include <stdexcept>

namespace {

void ReleaseTexture(IDirect3DTexture9*& texture) {
  if (texture) texture->Release();
  texture = nullptr;
}

class RecordingShow : public ShowPlayback {
public:
  RecordingShow(std::shared_ptr<ShowRecord> record, RecordingShowOptions options, size_t index)
      : record_(std::move(record)),
        options_(options),
        color_(RecordingShowColor(index)),
        throwsOnMove_(options.throwingMoveShow == static_cast<int>(index)) {}

  void Select(IDirect3DDevice9* device) override { device_ = device; }

  HRESULT Load() override {
    ++record_->loads;
    record_->loadedOn = device_;
    if (options_.throwsOnLoad) throw std::runtime_error("document reader failed");
    if (SUCCEEDED(options_.loadResult)) MakeTexture();
    return options_.loadResult;
  }
  void FrameMove(float) override {
    if (throwsOnMove_) throw std::runtime_error("show failed while playing");
    ++record_->frameMoves;
  }
  void Render() override {
    ++record_->renders;
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, color_, 1.0f, 0);
  }
  void InvalidateDeviceObjects() override {
    ++record_->invalidates;
    if (!options_.keepsTextureOnInvalidate) ReleaseTexture(record_->defaultPoolTexture);
  }
  void RestoreDeviceObjects() override {
    ++record_->restores;
    MakeTexture();
  }
  void ReleaseDeviceObjects() override {
    ++record_->releases;
    ReleaseTexture(record_->defaultPoolTexture);
  }
  std::vector<DataBlob*> AudioFiles() override {
    std::vector<DataBlob*> files;
    for (DataBlob& file : record_->music) files.push_back(&file);
    return files;
  }
  void SetPicturePosition(int position) override { record_->picturePosition = position; }

private:
  void MakeTexture() {
    if (!options_.holdsDefaultPoolTexture || record_->defaultPoolTexture) return;
    device_->CreateTexture(64, 64, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT,
                           &record_->defaultPoolTexture, nullptr);
  }

  std::shared_ptr<ShowRecord> record_;
  RecordingShowOptions options_;
  D3DCOLOR color_;
  bool throwsOnMove_;
  IDirect3DDevice9* device_ = nullptr;
};

}  // namespace

D3DCOLOR RecordingShowColor(size_t index) {
  const int step = static_cast<int>(index);
  return D3DCOLOR_XRGB(40 + 20 * step, 200 - 15 * step, 90 + (step % 3) * 50);
}

ShowFactory RecordingShows(std::vector<std::shared_ptr<ShowRecord>>& records,
                           RecordingShowOptions options) {
  return [&records, options]() -> std::unique_ptr<ShowPlayback> {
    records.push_back(std::make_shared<ShowRecord>());
    return std::make_unique<RecordingShow>(records.back(), options, records.size() - 1);
  };
}
