// The show every player of the product plays: its own copy of the project document, loaded on
// its own device with its own resource manager, which becomes the current one whenever the
// player's unit is selected.
#include <d3dx9.h>

#include "app/show_playback.h"
#include "render/picture_layout.h"
#include "show/project_document.h"

namespace {

class SlideShowPlayback : public ShowPlayback {
public:
  ~SlideShowPlayback() override { SlideShowPlayback::ReleaseDeviceObjects(); }

  void Select(IDirect3DDevice9* device) override {
    device_ = device;
    CurrentDocResManager = document_.manager.get();
  }

  HRESULT Load() override {
    try {
      // A manager left current by another monitor's player must not serve this copy.
      CurrentDocResManager = nullptr;
      document_ = LoadProjectDocument();
    } catch (HRESULT code) {
      return code;
    }
    for (const auto& slide : document_.root->Slides()) slide->InitSlide();
    return S_OK;
  }

  void FrameMove(float time) override {
    if (document_.root) document_.root->FrameMove(time);
  }

  void Render() override {
    if (document_.root) document_.root->Render();
  }

  void InvalidateDeviceObjects() override {
    if (document_.root) document_.root->InvalidateDeviceObjects();
  }

  void RestoreDeviceObjects() override {
    if (document_.root) document_.root->RestoreDeviceObjects();
  }

  // The whole copy of the show goes with its device.
  void ReleaseDeviceObjects() override {
    document_ = ProjectDocument();
    if (device_) CurrentPictureView().ReleaseDeviceObjects(device_);
  }

  std::vector<DataBlob*> AudioFiles() override {
    std::vector<DataBlob*> files;
    if (document_.root) {
      for (const auto& record : document_.root->AudioFiles()) files.push_back(&record->file);
    }
    return files;
  }

  void SetPicturePosition(int position) override {
    if (document_.root) document_.root->SetPicturePosition(position);
  }

private:
  IDirect3DDevice9* device_ = nullptr;
  ProjectDocument document_;
};

}  // namespace

std::unique_ptr<ShowPlayback> CreateShowPlayback() { return std::make_unique<SlideShowPlayback>(); }
