#include "app/d3d_screensaver.h"

#include <cwchar>

#include "app/saver_codes.h"
#include "app/sound_graph.h"
#include "render/com_references.h"

CD3DScreensaver* TheSaver = nullptr;

CD3DScreensaver::CD3DScreensaver(SaverPlatform& platform)
    : platform(platform), timer(AppTimer::MachineSource()) {
  TheSaver = this;
}

void CD3DScreensaver::EnterErrorMode(HRESULT code) {
  errorMode = TRUE;
  errorCode = code;
}

void CD3DScreensaver::RequestQuit() {
  if (quitRequested) return;
  quitRequested = true;
  PostQuitMessage(0);
}

BOOL CD3DScreensaver::ErrorText(HRESULT code, wchar_t* buffer, UINT size) {
  const UINT id = ErrorStringId(code);
  if (size > 0) buffer[0] = L'\0';
  LoadStringW(instance, id, buffer, static_cast<int>(size));
  return id != GenericErrorStringId;
}

namespace {

bool ShowsWindows(SaverMode mode) {
  return mode == SaverMode::Preview || mode == SaverMode::FullScreen ||
         mode == SaverMode::TestWindow;
}

bool AnyUsableDevice(const CD3DScreensaver& saver) {
  for (int i = 0; i < saver.adapterCount; ++i) {
    if (saver.adapters[i]->hardwareUsable || saver.adapters[i]->softwareUsable) return true;
  }
  return false;
}

// Direct3D starts about half a second after the preview window appeared. The wait ends when
// the timer fires, when the window is gone or when the thread is told to quit.
void WaitForPreviewTimer(CD3DScreensaver& saver) {
  saver.previewWait = TRUE;
  PostMessageW(saver.mainWindow, WM_USER, 0, 0);
  MSG message;
  while (saver.previewWait && IsWindow(saver.mainWindow)) {
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (result < 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  saver.previewWait = FALSE;
}

}  // namespace

HRESULT CD3DScreensaver::Create(HINSTANCE moduleInstance) {
  return CreateFromCommandLine(moduleInstance, GetCommandLineW());
}

HRESULT CD3DScreensaver::CreateFromCommandLine(HINSTANCE moduleInstance,
                                               const wchar_t* commandLine) {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
  instance = moduleInstance;
  saverMode = ParseCommandLine(commandLine, &parentWindow);
  EnumerateMonitors(*this);

  if (ShowsWindows(saverMode)) {
    // A preview without a live host window could never be ended: it does not start at all.
    if (saverMode == SaverMode::Preview && !IsWindow(parentWindow)) return S_OK;
    const HRESULT hr = CreateSaverWindows(*this);
    if (FAILED(hr)) EnterErrorMode(hr);
    // Without a window nothing could end the loop; Run returns at once.
    if (!mainWindow) return S_OK;
  }
  if (saverMode == SaverMode::Preview) {
    WaitForPreviewTimer(*this);
    if (quitRequested) return S_OK;
  }

  direct3D = platform.CreateDirect3D();
  if (!direct3D) {
    EnterErrorMode(saver_error::NoDirect3D);
    return S_OK;
  }
  HRESULT hr = RegisterSoftwareRasterizer();
  if (FAILED(hr)) {
    EnterErrorMode(hr);
    return S_OK;
  }
  hr = EnumerateDevices(*this);
  if (FAILED(hr)) {
    EnterErrorMode(hr);
    return S_OK;
  }
  if (!AnyUsableDevice(*this)) {
    EnterErrorMode(saver_error::NoCompatibleDevices);
    return S_OK;
  }
  LoadSettings();
  if (saverMode == SaverMode::FullScreen || saverMode == SaverMode::TestWindow) {
    InitSoundGraph(mainWindow);
  }
  return S_OK;
}

int CD3DScreensaver::Run() {
  switch (saverMode) {
    case SaverMode::Configuration:
      if (errorMode) ShowError(*this, errorCode);
      else ShowSettingsDialog();
      break;
    case SaverMode::Preview:
    case SaverMode::FullScreen:
    case SaverMode::TestWindow:
      if (mainWindow && !quitRequested) {
        const HRESULT hr = RunSaverLoop(*this);
        if (FAILED(hr)) ShowError(*this, hr);
      }
      break;
    case SaverMode::PasswordChange:
      ChangePassword(*this);
      break;
    case SaverMode::StartOnly:
      break;
  }
  FreeAdapters(*this);
  ReleaseAndNull(&direct3D);
  return 0;
}

AdapterInfo* AdapterOfMonitor(const CD3DScreensaver& saver, int monitorIndex) {
  const int index = saver.monitors[monitorIndex].adapterIndex;
  return index >= 0 && index < saver.adapterCount ? saver.adapters[index] : nullptr;
}

HRESULT ShowError(CD3DScreensaver& saver, HRESULT code) {
  wchar_t text[512];
  saver.ErrorText(code, text, 512);
  MessageBoxW(saver.mainWindow, text, saver.title, MB_ICONERROR);
  return code;
}

void ChangePassword(CD3DScreensaver& saver) {
  HMODULE mpr = LoadLibraryW(L"MPR.DLL");
  if (!mpr) return;
  using PwdChangePasswordA = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
  auto change = reinterpret_cast<PwdChangePasswordA>(
      reinterpret_cast<void*>(GetProcAddress(mpr, "PwdChangePasswordA")));
  if (change) change("SCRSAVE", saver.parentWindow, 0, nullptr);
  FreeLibrary(mpr);
}
