// The slide show as one screen player sees it: the show's side of the player. A player calls
// it only for its own output unit, after that unit was selected, so the current device and
// picture layout are the ones the show's objects belong to.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <functional>
#include <memory>
#include <vector>

#include "document/data_blob.h"

class ShowPlayback {
public:
  virtual ~ShowPlayback() = default;

  // The unit of this player was selected: publish its device (and, once loaded, this copy's
  // resource manager) to the show's code.
  virtual void Select(IDirect3DDevice9* device) = 0;
  // Loads and prepares the whole show on the current device; draws nothing. A missing
  // document answers 0x8200000B; any failure puts the saver into error mode.
  virtual HRESULT Load() = 0;
  // Advances the show to `time` (seconds since the saver loop started).
  virtual void FrameMove(float time) = 0;
  // Draws one frame; called between BeginScene and EndScene.
  virtual void Render() = 0;
  // Before a Reset: release the objects that do not survive it.
  virtual void InvalidateDeviceObjects() = 0;
  // After a successful Reset: recreate them.
  virtual void RestoreDeviceObjects() = 0;
  // Before the device is released: release every object of the device.
  virtual void ReleaseDeviceObjects() = 0;
  // The loaded show's background music in play order: each record's path and embedded bytes.
  // The player may write the bytes to a file and rename the record after it.
  virtual std::vector<DataBlob*> AudioFiles() = 0;
  // Places every slide's picture: 0 Stretch, 1 Fit, 2 Fill.
  virtual void SetPicturePosition(int position) = 0;
};

using ShowFactory = std::function<std::unique_ptr<ShowPlayback>()>;

// The show every player of the product plays.
std::unique_ptr<ShowPlayback> CreateShowPlayback();
