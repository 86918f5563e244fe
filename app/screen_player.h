// One copy of the slide show on one output unit. A player goes through three passes on
// successive frames: it draws the loading splash, then loads and prepares the show while the
// splash stays on screen (drawing nothing), then plays the show every frame.
#pragma once

#include <memory>

#include "app/show_playback.h"
#include "scene/textured_quad.h"

class ScreenPlayer {
public:
  explicit ScreenPlayer(std::unique_ptr<ShowPlayback> show) : show_(std::move(show)) {}

  // The player's unit was selected; `backBuffer` describes its back buffer 0.
  void Select(IDirect3DDevice9* device, const D3DSURFACE_DESC& backBuffer);
  // First pass: the splash; it is tried again on the next frame when BeginScene fails.
  void ShowSplash();
  // Second pass: loads and prepares the show; a failure is returned for error mode.
  HRESULT StartScene();
  void FrameMove(float time);
  void Render();
  void NextSound(int eventCode);

  void InvalidateDeviceObjects();
  void RestoreDeviceObjects();
  // Every object this player made on its device, so the device itself can go.
  void ReleaseDeviceObjects();

  bool sceneStarted = false;  // StartScene has run (successfully or not)
  bool splashShown = false;

private:
  bool Playing() const { return sceneStarted && loaded_; }

  std::unique_ptr<ShowPlayback> show_;
  TexturedQuad splash_;
  IDirect3DDevice9* device_ = nullptr;
  D3DSURFACE_DESC backBuffer_ = {};
  bool loaded_ = false;  // the show loaded; a failed load leaves nothing to play
};
