#include "app/screen_player.h"

#include "app/exception_code.h"
#include "app/settings_registry.h"
#include "app/temporary_sound_file.h"
#include "document/texture_loading.h"
#include "render/com_references.h"
#include "render/current_device.h"

namespace {

constexpr int SplashResource = 5;

}  // namespace

void ScreenPlayer::Select(IDirect3DDevice9* device) {
  device_ = device;
  CurrentDevice = device;
  MakeLayoutCurrent(layout_);
  show_->Select(device);
}

void ScreenPlayer::ShowSplash() {
  LoadCenteredPicture(splash_, SplashResource);
  splash_.SetAlpha(255, 1.0f);
  if (FAILED(device_->BeginScene())) return;
  device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
  device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  splash_.BindScreenVertices();
  splash_.Draw();
  device_->EndScene();
  splashShown = true;
}

void ScreenPlayer::PrepareShow() {
  const std::vector<DataBlob*> music = show_->AudioFiles();
  for (DataBlob* file : music) MaterialiseAudioFile(*file);
  show_->SetPicturePosition(ReadPicPos());
  playlist_.Start(music);
}

HRESULT ScreenPlayer::StartScene() {
  sceneStarted = true;
  try {
    const HRESULT hr = show_->Load();
    if (FAILED(hr)) return hr;
    loaded_ = true;
    PrepareShow();
  } catch (...) {
    return CodeOfCurrentException();
  }
  return S_OK;
}

void ScreenPlayer::FrameMove(float time) {
  if (Playing()) show_->FrameMove(time);
}

void ScreenPlayer::Render() {
  if (!Playing() || FAILED(device_->BeginScene())) return;
  show_->Render();
  device_->EndScene();
}

void ScreenPlayer::NextSound(int eventCode) {
  if (Playing()) playlist_.OnSoundEvent(eventCode);
}

void ScreenPlayer::InvalidateDeviceObjects() {
  if (Playing()) show_->InvalidateDeviceObjects();
}

void ScreenPlayer::RestoreDeviceObjects() {
  if (Playing()) show_->RestoreDeviceObjects();
}

void ScreenPlayer::ReleaseDeviceObjects() {
  splash_.Destroy();
  ReleaseAndNull(&splash_.texture);
  if (!loaded_) return;
  // The show's copy goes with its device, its audio records with it.
  show_->ReleaseDeviceObjects();
  playlist_.Clear();
  loaded_ = false;
}
