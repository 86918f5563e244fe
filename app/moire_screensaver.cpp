#include "app/moire_screensaver.h"

#include <commctrl.h>

#include <cwchar>

#include "app/exception_code.h"
#include "app/saver_codes.h"
#include "app/settings_registry.h"
#include "app/sound_graph.h"

CMoireScreensaver* TheApp = nullptr;

namespace {

const wchar_t* const SettingsKey = L"Software\\Vantorel\\Brindlewick Maker\\Screensaver\\";

}  // namespace

CMoireScreensaver::CMoireScreensaver(const ShowFactory& makeShow, SaverPlatform& platform,
                                     SoundOutput& sound)
    : CD3DScreensaver(platform) {
  TheApp = this;
  for (auto& player : players) player = std::make_unique<ScreenPlayer>(makeShow(), sound);
  useDepthBuffer = TRUE;
  wcsncpy(settingsKeyPath, SettingsKey, 199);
  wcsncpy(SettingsKeyPath, SettingsKey, 199);
  wchar_t loaded[200];
  if (LoadStringW(GetModuleHandleW(nullptr), TitleStringId, loaded, 200) > 0) {
    wcsncpy(title, loaded, 199);
  }
  InitCommonControls();
}

void CMoireScreensaver::OnOutputUnitSelected(int unitIndex) {
  currentPlayer = players[static_cast<size_t>(unitIndex)].get();
  currentPlayer->Select(currentDevice);
}

HRESULT CMoireScreensaver::CheckDeviceCaps(const D3DCAPS9& caps, DWORD, D3DFORMAT adapterFormat) {
  if (!(caps.TextureOpCaps & D3DTEXOPCAPS_BUMPENVMAP)) return E_FAIL;
  if (FAILED(direct3D->CheckDeviceFormat(caps.AdapterOrdinal, caps.DeviceType, adapterFormat, 0,
                                         D3DRTYPE_TEXTURE, D3DFMT_V8U8))) {
    return E_FAIL;
  }
  return S_OK;
}

HRESULT CMoireScreensaver::RenderUnit() {
  try {
    if (currentPlayer->sceneStarted) {
      currentPlayer->FrameMove(appTime);
      currentPlayer->Render();
    } else if (currentPlayer->splashShown) {
      const HRESULT hr = currentPlayer->StartScene();
      if (FAILED(hr)) EnterErrorMode(hr);
    } else {
      currentPlayer->ShowSplash();
    }
  } catch (...) {
    EnterErrorMode(CodeOfCurrentException());
  }
  return S_OK;
}

// The current slide's objects come back right after a reset, so nothing draws with released
// objects until the next slide starts.
HRESULT CMoireScreensaver::RestoreDeviceResources() {
  if (currentPlayer) currentPlayer->RestoreDeviceObjects();
  return S_OK;
}

HRESULT CMoireScreensaver::ReleaseVolatileResources() {
  ReleaseSoundGraph();
  if (currentPlayer) currentPlayer->InvalidateDeviceObjects();
  return S_OK;
}

HRESULT CMoireScreensaver::DestroyDeviceResources() {
  if (currentPlayer) currentPlayer->ReleaseDeviceObjects();
  return S_OK;
}

void CMoireScreensaver::OnMediaEvent(int eventCode) {
  if (currentPlayer) currentPlayer->NextSound(eventCode);
}
