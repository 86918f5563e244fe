// The application: the framework with a screen player per output unit and the show's device
// requirements. Settings and sound dialogs arrive with the next issue; their hooks do nothing.
#pragma once

#include <array>
#include <memory>

#include "app/d3d_screensaver.h"
#include "app/screen_player.h"

class CMoireScreensaver : public CD3DScreensaver {
public:
  static constexpr int PlayerCount = 10;

  explicit CMoireScreensaver(const ShowFactory& makeShow = CreateShowPlayback,
                             SaverPlatform& platform = MachinePlatform());

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
