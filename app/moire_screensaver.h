// The application: the framework with a screen player per output unit, the show's device
// requirements, and the settings and sound dialogs with the values they keep in the registry.
#pragma once

#include <array>
#include <memory>

#include "app/d3d_screensaver.h"
#include "app/screen_player.h"

class CMoireScreensaver : public CD3DScreensaver {
public:
  static constexpr int PlayerCount = 10;

  // Every player plays its music on `sound`.
  explicit CMoireScreensaver(const ShowFactory& makeShow = CreateShowPlayback,
                             SaverPlatform& platform = MachinePlatform(),
                             SoundOutput& sound = GraphSoundOutput());

  // Dialog 106: picture position, display settings, sound settings and the maker's website.
  void ShowSettingsDialog() override;
  // The display settings from the registry into the adapter records.
  void LoadSettings() override;
  // The display settings of the adapter records into the registry.
  void SaveSettings();
  // Dialog 2214: volume and mute.
  INT_PTR SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnOutputUnitSelected(int unitIndex) override;
  // The show needs bump-environment mapping and V8U8 textures.
  HRESULT CheckDeviceCaps(const D3DCAPS9& caps, DWORD behaviorFlags,
                          D3DFORMAT adapterFormat) override;
  HRESULT RenderUnit() override;
  HRESULT RestoreDeviceResources() override;
  HRESULT ReleaseVolatileResources() override;
  HRESULT DestroyDeviceResources() override;
  void OnMediaEvent(int eventCode) override;

  std::array<std::unique_ptr<ScreenPlayer>, PlayerCount> players;
  ScreenPlayer* currentPlayer = nullptr;
};

extern CMoireScreensaver* TheApp;
