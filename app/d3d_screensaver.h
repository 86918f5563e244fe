// The Direct3D screensaver framework: one object holds the whole state of the saver (mode,
// monitors and windows, adapters, output units, error state) and runs it; the application puts
// its behaviour into the virtual hooks.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include "app/app_timer.h"
#include "app/command_line.h"
#include "app/saver_platform.h"
#include "app/saver_records.h"

class CD3DScreensaver {
public:
  explicit CD3DScreensaver(SaverPlatform& platform = MachinePlatform());
  CD3DScreensaver(const CD3DScreensaver&) = delete;
  CD3DScreensaver& operator=(const CD3DScreensaver&) = delete;

  // Start-up from the process's command line; always succeeds: a failure puts the saver into
  // error mode instead.
  virtual HRESULT Create(HINSTANCE instance);
  // The same start-up from a given command line.
  HRESULT CreateFromCommandLine(HINSTANCE instance, const wchar_t* commandLine);
  // Runs the mode's one action to its end; returns 0.
  virtual int Run();
  virtual void ShowSettingsDialog() {}
  virtual void LoadSettings() {}
  virtual void PaintErrorBox(HWND window, HDC dc);
  virtual LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  virtual INT_PTR SoundDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
  // The message text of `code` into `buffer`; FALSE when it is the generic text (2100).
  virtual BOOL ErrorText(HRESULT code, wchar_t* buffer, UINT size);
  virtual void OnOutputUnitSelected(int) {}
  virtual HRESULT RegisterSoftwareRasterizer() { return S_OK; }
  virtual HRESULT CheckDeviceCaps(const D3DCAPS9&, DWORD, D3DFORMAT) { return S_OK; }
  virtual HRESULT CheckCreatedDevice(IDirect3DDevice9*) { return S_OK; }
  virtual HRESULT InitScene() { return S_OK; }
  virtual HRESULT CreateDeviceResources() { return S_OK; }
  virtual HRESULT RestoreDeviceResources() { return S_OK; }
  virtual HRESULT RenderUnit() { return S_OK; }
  virtual HRESULT ReleaseVolatileResources() { return S_OK; }
  virtual HRESULT DestroyDeviceResources() { return S_OK; }
  virtual HRESULT ShutdownScene() { return S_OK; }
  virtual void OnMediaEvent(int) {}

  // Error mode is never left; a later failure overwrites the code.
  void EnterErrorMode(HRESULT code);
  // The loop quits after the current message: set by input, suspend or the window's end.
  void RequestQuit();

  SaverMode saverMode = SaverMode::Configuration;
  DWORD AllScreensSame = 0;
  HWND mainWindow = nullptr;
  HWND parentWindow = nullptr;
  HINSTANCE instance = nullptr;
  BOOL previewWait = FALSE;
  UINT mouseMoveCount = 0;  // changed mouse positions seen since the devices were created
  BOOL windowed = FALSE;
  BOOL errorMode = FALSE;
  HRESULT errorCode = S_OK;
  wchar_t errorText[400] = {};
  MonitorInfo monitors[MaxMonitors] = {};
  int monitorCount = 0;
  OutputUnit units[MaxOutputUnits] = {};
  int unitCount = 0;
  AdapterInfo* adapters[MaxAdapters] = {};
  int adapterCount = 0;
  IDirect3D9* direct3D = nullptr;
  IDirect3DDevice9* currentDevice = nullptr;
  RECT currentArea = {};  // monitor rectangle of the selected unit, or the client rectangle
  RECT clientArea = {};
  D3DSURFACE_DESC backBufferDesc = {};
  wchar_t title[200] = L"Screen Saver";
  BOOL useDepthBuffer = FALSE;
  wchar_t settingsKeyPath[200] = {};
  UINT minDepthBits = 16;
  UINT minStencilBits = 0;
  D3DSWAPEFFECT fullScreenSwapEffect = D3DSWAPEFFECT_DISCARD;
  D3DSWAPEFFECT windowedSwapEffect = D3DSWAPEFFECT_COPY;
  float appTime = 0;      // seconds since the saver loop started
  float elapsedTime = 0;  // seconds since the previous frame

  SaverPlatform& platform;
  AppTimer timer;
  bool quitRequested = false;
  POINT lastMousePosition = {-1, -1};  // screen coordinates
  DWORD lastErrorDisplayTime = 0;  // timeGetTime of the previous error-box step, 0 before it
};

extern CD3DScreensaver* TheSaver;

// Steps of the saver, in the order start-up and the loop use them.
void EnumerateMonitors(CD3DScreensaver& saver);
HRESULT CreateSaverWindows(CD3DScreensaver& saver);
HRESULT EnumerateDevices(CD3DScreensaver& saver);
HRESULT RunSaverLoop(CD3DScreensaver& saver);
HRESULT Init3D(CD3DScreensaver& saver);
void SelectOutputUnit(CD3DScreensaver& saver, int unitIndex);
int RenderFrame(CD3DScreensaver& saver);
void Cleanup3D(CD3DScreensaver& saver);
void UpdateErrorDisplay(CD3DScreensaver& saver);
HRESULT ShowError(CD3DScreensaver& saver, HRESULT code);
void ChangePassword(CD3DScreensaver& saver);
void FreeAdapters(CD3DScreensaver& saver);
// The adapter driving a monitor; null when none does.
AdapterInfo* AdapterOfMonitor(const CD3DScreensaver& saver, int monitorIndex);
