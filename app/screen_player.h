// One copy of the slide show on one output unit. A player goes through three passes on
// successive frames: it draws the loading splash, then loads and prepares the show while the
// splash stays on screen (drawing nothing) and starts its music, then plays the show every
// frame.
#pragma once

#include <memory>

#include "app/show_playback.h"
#include "app/sound_playlist.h"
#include "render/picture_layout.h"
#include "render/textured_quad.h"

class ScreenPlayer {
public:
  explicit ScreenPlayer(std::unique_ptr<ShowPlayback> show,
                        SoundOutput& sound = GraphSoundOutput())
      : show_(std::move(show)), playlist_(sound) {}

  // The player's unit was selected: `device` is the one it draws with from now on, and the
  // player's picture layout the one its show lays out and draws with.
  void Select(IDirect3DDevice9* device);
  // First pass: the splash; it is tried again on the next frame when BeginScene fails.
  void ShowSplash();
  // Second pass: loads and prepares the show, writes its embedded sound files where their
  // paths are missing, places the pictures and starts the first sound file; a failure is
  // returned for error mode.
  HRESULT StartScene();
  void FrameMove(float time);
  void Render();
  // A sound-graph event: the end of a file starts the next.
  void NextSound(int eventCode);

  void InvalidateDeviceObjects();
  void RestoreDeviceObjects();
  // Every object this player made on its device, so the device itself can go; the show and
  // its music are forgotten with them.
  void ReleaseDeviceObjects();

  bool sceneStarted = false;  // StartScene has run (successfully or not)
  bool splashShown = false;

private:
  bool Playing() const { return sceneStarted && loaded_; }

  // The loaded show's music files, picture position and first sound.
  void PrepareShow();

  PictureLayout layout_;  // for this unit's back buffer alone; outlives the show
  std::unique_ptr<ShowPlayback> show_;
  SoundPlaylist playlist_;
  TexturedQuad splash_;
  IDirect3DDevice9* device_ = nullptr;
  bool loaded_ = false;  // the show loaded; a failed load leaves nothing to play
};
