// A show for the framework's tests: it records what the player asks of it, clears its unit to
// its own colour, and can hold a default-pool texture that must go before a Reset.
#pragma once

#include <memory>
#include <vector>

#include "app/show_playback.h"

struct ShowRecord {
  int loads = 0, frameMoves = 0, renders = 0;
  std::vector<DataBlob> music;  // the show's audio records
  int picturePosition = -1;     // as the player set it
  int invalidates = 0, restores = 0, releases = 0;
  IDirect3DDevice9* loadedOn = nullptr;  // the device current when the show was loaded
  IDirect3DTexture9* defaultPoolTexture = nullptr;
};

struct RecordingShowOptions {
  HRESULT loadResult = S_OK;
  bool throwsOnLoad = false;
  bool holdsDefaultPoolTexture = false;
  bool keepsTextureOnInvalidate = false;  // the fault a Reset must survive
  int throwingMoveShow = -1;  // the record index of the show whose moves throw, -1 for none
};

// Each show made records into the next entry of `records` and clears to a colour of its own.
ShowFactory RecordingShows(std::vector<std::shared_ptr<ShowRecord>>& records,
                           RecordingShowOptions options = {});

// The colour the show of record `index` clears to.
D3DCOLOR RecordingShowColor(size_t index);
