// The framework's records of the machine: monitors, Direct3D adapters with their usable devices
// and modes, and the output units (one window and device per monitor in use).
#pragma once

#include <windows.h>
#include <d3d9.h>

constexpr int MaxMonitors = 9;
constexpr int MaxAdapters = 9;
constexpr int MaxOutputUnits = 9;
constexpr UINT MaxModesPerDevice = 150;
constexpr UINT MaxDevicesPerAdapter = 2;  // the HAL device, then the software device

// The error text box that drifts over a saver window in error mode.
struct ErrorBox {
  float x, y, width, height;  // pixels in the window's client coordinates; width 0 = not placed yet
  float xSpeed, ySpeed;       // pixels per second
};

struct MonitorInfo {
  wchar_t adapterDescription[128];  // DeviceString of the display device
  HMONITOR monitor;                 // null when the device is not attached to the desktop
  RECT screenRect;                  // virtual-screen coordinates
  int adapterIndex;                 // Direct3D adapter driving it, -1 when none
  HWND window;                      // the saver window on this monitor
  ErrorBox errorBox;
};

struct ModeEntry {
  UINT width, height;
  D3DFORMAT format;
  DWORD behaviorFlags;  // D3DCREATE_* to create the device with
  D3DFORMAT depthStencilFormat;
};

struct DeviceInfo {
  D3DDEVTYPE deviceType;  // HAL or SW
  D3DCAPS9 caps;
  BOOL canRenderWindowed;  // the desktop format passed every check
  UINT modeCount;
  ModeEntry modes[MaxModesPerDevice];
  UINT chosenMode;  // index into modes
};

struct AdapterInfo {
  int monitorIndex;  // -1 when no monitor record matches
  D3DADAPTER_IDENTIFIER9 identifier;
  D3DDISPLAYMODE desktopMode;
  UINT deviceCount;
  DeviceInfo devices[MaxDevicesPerAdapter];
  BOOL hardwarePresent, hardwareUsable;
  BOOL softwarePresent, softwareUsable;
  UINT userWidth, userHeight;  // stored full-screen mode; width 0 = automatic
  D3DFORMAT userFormat;
  BOOL leaveBlack;
  BOOL disableHardware;
  HWND window;  // the window the device presents into
};

struct OutputUnit {
  UINT adapterIndex;
  UINT monitorIndex;
  D3DDEVTYPE deviceType;
  DWORD behaviorFlags;
  IDirect3DDevice9* device;  // owned
  D3DPRESENT_PARAMETERS presentParameters;  // kept for Reset
  BOOL created;   // CreateDeviceResources succeeded
  BOOL restored;  // RestoreDeviceResources succeeded
};
