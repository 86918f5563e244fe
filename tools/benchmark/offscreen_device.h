// A Direct3D 9 device that draws into a back buffer of any size behind a window that is never
// shown, so frames of a screen size the display does not have can be measured. Every present
// waits until the device has finished the work so far, so the time of a frame includes what
// the renderer does after the calls have returned.
#pragma once

#include <windows.h>
#include <d3d9.h>

class OffscreenDevice {
public:
  OffscreenDevice(UINT width, UINT height);
  ~OffscreenDevice();
  OffscreenDevice(const OffscreenDevice&) = delete;
  OffscreenDevice& operator=(const OffscreenDevice&) = delete;

  // S_OK when the window, the device and its event query were made.
  HRESULT Status() const { return status_; }
  IDirect3DDevice9* Device() const { return device_; }
  // Presents the frame and waits until the device is done with it.
  void PresentAndFinish();
  // Waits until the device has done the work so far.
  void Finish();

private:
  HRESULT Create(UINT width, UINT height);

  HWND window_ = nullptr;
  IDirect3D9* direct3D_ = nullptr;
  IDirect3DDevice9* device_ = nullptr;
  IDirect3DQuery9* finished_ = nullptr;
  HRESULT status_ = E_FAIL;
};
