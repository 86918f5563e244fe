// The saver's windows and their messages, and the loop that interleaves message handling with
// idle rendering. Input only asks the loop to quit: the devices are torn down after the loop,
// never inside the window procedure, where a message can arrive while a device is being made.
#include <windowsx.h>

#include "app/d3d_screensaver.h"
#include "app/sound_graph.h"

namespace {

const wchar_t* const SaverWindowClass = L"D3DSaverWndClass";
constexpr UINT_PTR PreviewTimer = 1;
constexpr UINT PreviewTimerMs = 500;
constexpr UINT MouseMovesBeforeQuit = 5;

LRESULT CALLBACK WindowProcStub(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (TheSaver) return TheSaver->HandleWindowMessage(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
  } catch (...) {
    return 1;
  }
}

void RegisterSaverClass(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WindowProcStub;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(101));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = SaverWindowClass;
  RegisterClassW(&windowClass);
}

HWND CreateSaverWindow(CD3DScreensaver& saver, DWORD exStyle, DWORD style, const RECT& rect,
                       HWND parentOrOwner) {
  return CreateWindowExW(exStyle, SaverWindowClass, saver.title, style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parentOrOwner, nullptr,
                         saver.instance, &saver);
}

RECT AdjustedRect(RECT rect, DWORD style) {
  AdjustWindowRect(&rect, style, FALSE);
  return rect;
}

HRESULT CreateFullScreenWindows(CD3DScreensaver& saver) {
  for (int i = 0; i < saver.monitorCount; ++i) {
    MonitorInfo& monitor = saver.monitors[i];
    if (!monitor.monitor) continue;
    monitor.window = CreateSaverWindow(saver, WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE,
                                       monitor.screenRect, saver.mainWindow);
    if (!monitor.window) return E_FAIL;
    if (!saver.mainWindow) saver.mainWindow = monitor.window;
  }
  return saver.mainWindow ? S_OK : E_FAIL;
}

// Input ends the saver only where the mode allows it: never in the preview.
void InterruptOnInput(CD3DScreensaver& saver) {
  if (saver.saverMode == SaverMode::Preview) return;
  saver.RequestQuit();
}

bool IsTest(const CD3DScreensaver& saver) { return saver.saverMode == SaverMode::TestWindow; }
bool IsFullScreen(const CD3DScreensaver& saver) {
  return saver.saverMode == SaverMode::FullScreen;
}

void PaintWindow(CD3DScreensaver& saver, HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (saver.errorMode || saver.saverMode != SaverMode::Preview) {
    saver.PaintErrorBox(window, dc);
  } else {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EndPaint(window, &paint);
}

// Positions are compared on the screen, so moves over the windows of several monitors agree.
void CountMouseMove(CD3DScreensaver& saver, HWND window, LPARAM lParam) {
  POINT position = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &position);
  if (position.x == saver.lastMousePosition.x && position.y == saver.lastMousePosition.y) return;
  saver.lastMousePosition = position;
  if (++saver.mouseMoveCount > MouseMovesBeforeQuit) InterruptOnInput(saver);
}

}  // namespace

void EnumerateMonitors(CD3DScreensaver& saver) {
  saver.monitorCount = saver.platform.ListMonitors(saver.monitors, MaxMonitors);
}

HRESULT CreateSaverWindows(CD3DScreensaver& saver) {
  RegisterSaverClass(saver.instance);
  switch (saver.saverMode) {
    case SaverMode::Preview: {
      RECT parentClient;
      GetClientRect(saver.parentWindow, &parentClient);
      const DWORD style = WS_CHILD | WS_VISIBLE;
      saver.mainWindow = CreateSaverWindow(saver, 0, style, AdjustedRect(parentClient, style),
                                           saver.parentWindow);
      break;
    }
    case SaverMode::FullScreen:
      return CreateFullScreenWindows(saver);
    case SaverMode::TestWindow: {
      const DWORD style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
      saver.mainWindow = CreateSaverWindow(saver, 0, style, AdjustedRect({50, 50, 650, 450}, style),
                                           nullptr);
      break;
    }
    default:
      return S_OK;
  }
  if (!saver.mainWindow) return E_FAIL;
  saver.monitors[0].window = saver.mainWindow;
  GetClientRect(saver.mainWindow, &saver.clientArea);
  saver.currentArea = saver.clientArea;
  return S_OK;
}

LRESULT CD3DScreensaver::HandleWindowMessage(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      // The preview and test windows are the only ones whose end ends the saver.
      if (saverMode == SaverMode::Preview || IsTest(*this)) RequestQuit();
      break;
    case WM_PAINT:
      PaintWindow(*this, window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_ACTIVATEAPP:
      if (!wParam && !IsTest(*this)) InterruptOnInput(*this);
      break;
    case WM_SETCURSOR:
      if (IsFullScreen(*this)) {
        SetCursor(nullptr);
        return 1;
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      if (!IsTest(*this)) InterruptOnInput(*this);
      break;
    case WM_SYSCOMMAND:
      if (IsFullScreen(*this)) {
        switch (wParam & 0xFFF0) {
          case SC_NEXTWINDOW:
          case SC_PREVWINDOW:
          case SC_CLOSE:
          case SC_SCREENSAVE:
            return 0;
        }
      }
      break;
    case WM_TIMER:
      previewWait = FALSE;
      KillTimer(window, PreviewTimer);
      break;
    case WM_MOUSEMOVE:
      if (!IsTest(*this)) CountMouseMove(*this, window, lParam);
      break;
    case WM_POWERBROADCAST:
      // A suspend also ends the test window, which ignores all other input.
      if (wParam == PBT_APMSUSPEND) InterruptOnInput(*this);
      break;
    case WM_USER:
      SetTimer(window, PreviewTimer, PreviewTimerMs, nullptr);
      break;
    case WM_APP:
      // Every queued event: a completion left behind would stop the music.
      for (int code; (code = PollSoundEvent()) != -1;) OnMediaEvent(code);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HRESULT RunSaverLoop(CD3DScreensaver& saver) {
  saver.timer.Reset();
  if (!saver.errorMode) {
    saver.InitScene();
    const HRESULT hr = Init3D(saver);
    if (FAILED(hr)) return hr;
  }
  BOOL screensaverWasRunning = FALSE;
  if (IsFullScreen(saver)) {
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, TRUE, &screensaverWasRunning, 0);
  }
  MSG message;
  for (;;) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) break;
      TranslateMessage(&message);
      DispatchMessageW(&message);
      continue;
    }
    // A nested message loop may have taken the quit message; the request still holds.
    if (saver.quitRequested) break;
    Sleep(30);
    if (saver.errorMode) UpdateErrorDisplay(saver);
    else RenderFrame(saver);
  }
  if (IsFullScreen(saver)) {
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, FALSE, &screensaverWasRunning, 0);
  }
  Cleanup3D(saver);
  saver.ShutdownScene();
  return S_OK;
}
