// A machine the tests describe: any number of monitors, one Direct3D adapter per monitor (or
// fewer), scripted mode lists and capabilities, and devices whose state the test decides.
// Under it is the real Direct3D of the test display: every adapter answers as adapter 0, and
// full-screen devices become windowed devices on their monitor's window, so several
// "monitors" can each get a real device on one Xvfb screen.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <deque>
#include <vector>

#include "app/saver_platform.h"

struct StandInAdapter {
  std::vector<D3DDISPLAYMODE> modes;  // empty: the real adapter's modes
  bool withoutBumpMapping = false;    // clears D3DTEXOPCAPS_BUMPENVMAP from the caps
  bool withoutHardwareDevice = false;  // the HAL device type fails every check
  bool withoutSoftwareDevice = false;  // the software device type fails every check
  int monitor = -1;                   // index of the monitor it drives, -1 for none
  // Full-screen devices of a mode with more pixels fail as if out of video memory; 0: none fail.
  UINT largestFullScreenArea = 0;
};

struct FullScreenRequest {
  UINT adapter, width, height;
};

class StandInDirect3D;

class StandInMachine : public SaverPlatform {
public:
  StandInMachine(std::vector<RECT> monitorRects, std::vector<StandInAdapter> adapters);
  ~StandInMachine() override;
  StandInMachine(const StandInMachine&) = delete;
  StandInMachine& operator=(const StandInMachine&) = delete;

  int ListMonitors(MonitorInfo* monitors, int capacity) override;
  bool MonitorRect(HMONITOR monitor, RECT* rect) override;
  IDirect3D9* CreateDirect3D() override;
  HRESULT TestCooperativeLevel(IDirect3DDevice9* device) override;

  static HMONITOR MonitorHandle(int index);
  // References the saver still holds on the Direct3D object it was given.
  ULONG Direct3DReferencesHeldBySaver() const;

  // CreateDirect3D answers null, as Direct3DCreate9 does where Direct3D cannot start.
  bool withoutDirect3D = false;
  // Answers of TestCooperativeLevel, one per call, before the real device's own.
  std::deque<HRESULT> scriptedLevels;
  // Every full-screen device asked for, in order, whether it was made or not.
  std::vector<FullScreenRequest> fullScreenRequests;

private:
  std::vector<RECT> monitorRects_;
  StandInDirect3D* direct3D_;
};

// The whole primary screen as one monitor, driven by the real adapter.
StandInMachine OneMonitorMachine();
// A monitor for each rectangle, each driven by an adapter of its own.
StandInMachine MonitorsWithAnAdapterEach(std::vector<RECT> monitorRects);
