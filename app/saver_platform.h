// The machine as the framework sees it: the display devices, the Direct3D object and the state
// of a device. The saver asks only this interface, so tests can stand in a machine with several
// monitors and adapters, or a device that has been lost.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include "app/saver_records.h"

class SaverPlatform {
public:
  virtual ~SaverPlatform() = default;

  // Fills up to `capacity` monitor records, one per display device (mirroring drivers
  // skipped), in enumeration order; returns how many. Adapter index -1, no window, no box.
  virtual int ListMonitors(MonitorInfo* monitors, int capacity) = 0;
  // The monitor's current rectangle; false (rectangle untouched) when it has none.
  virtual bool MonitorRect(HMONITOR monitor, RECT* rect) = 0;
  // A new Direct3D object, null when Direct3D cannot be started.
  virtual IDirect3D9* CreateDirect3D() = 0;
  // The device's cooperative level: D3D_OK, D3DERR_DEVICELOST or D3DERR_DEVICENOTRESET.
  virtual HRESULT TestCooperativeLevel(IDirect3DDevice9* device) = 0;
};

// The real machine.
SaverPlatform& MachinePlatform();
