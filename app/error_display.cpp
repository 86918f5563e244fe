// Error mode in the saver windows: the devices are released and a box with the error text
// drifts over each window, the rest painted black; the preview becomes the box itself.
#include <windows.h>
#include <mmsystem.h>

#include "app/d3d_screensaver.h"
#include "app/error_box.h"
#include "app/error_box_paint.h"

namespace {

RECT ScreenRectInClient(HWND window, const RECT& screen) {
  POINT corners[2] = {{screen.left, screen.top}, {screen.right, screen.bottom}};
  ScreenToClient(window, &corners[0]);
  ScreenToClient(window, &corners[1]);
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

RECT BoxArea(const CD3DScreensaver& saver, const MonitorInfo& monitor) {
  if (saver.saverMode == SaverMode::FullScreen) {
    return ScreenRectInClient(monitor.window, monitor.screenRect);
  }
  return saver.currentArea;
}

// The record of the window being painted; the preview and test windows live in record 0
// whichever monitor they are on.
MonitorInfo* MonitorOfWindow(CD3DScreensaver& saver, HWND window) {
  for (MonitorInfo& monitor : saver.monitors) {
    if (monitor.window == window) return &monitor;
  }
  return nullptr;
}

}  // namespace

void UpdateErrorDisplay(CD3DScreensaver& saver) {
  if (saver.errorMode && saver.unitCount > 0) Cleanup3D(saver);
  const DWORD now = timeGetTime();
  if (saver.lastErrorDisplayTime == 0) saver.lastErrorDisplayTime = now;
  const float step = ErrorBoxStep(saver.lastErrorDisplayTime, now);
  saver.lastErrorDisplayTime = now;
  if (!saver.errorText[0]) saver.ErrorText(saver.errorCode, saver.errorText, 400);

  const bool preview = saver.saverMode == SaverMode::Preview;
  for (MonitorInfo& monitor : saver.monitors) {
    if (!monitor.window) continue;
    const RECT area = BoxArea(saver, monitor);
    if (monitor.errorBox.width == 0) {
      // The whole window once: what the released device last showed must not stay there.
      monitor.errorBox = PlaceErrorBox(area, preview);
      InvalidateRect(monitor.window, nullptr, FALSE);
      UpdateWindow(monitor.window);
      continue;
    }
    if (preview) continue;
    RECT oldRect, newRect;
    if (MoveErrorBox(monitor.errorBox, area, step, &oldRect, &newRect)) {
      InvalidateRect(monitor.window, &oldRect, FALSE);
      InvalidateRect(monitor.window, &newRect, FALSE);
      UpdateWindow(monitor.window);
    }
  }
}

void PaintErrorText(HDC dc, const RECT& box, const wchar_t* text) {
  RECT rect = box;
  FillRect(dc, &rect, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  RECT measured = rect;
  const int textHeight =
      DrawTextW(dc, text, -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  RECT centred = rect;
  centred.top = (rect.top + rect.bottom - textHeight) / 2;
  DrawTextW(dc, text, -1, &centred, DT_WORDBREAK | DT_CENTER);
}

void CD3DScreensaver::PaintErrorBox(HWND window, HDC dc) {
  MonitorInfo* monitor = MonitorOfWindow(*this, window);
  if (!monitor) return;
  const RECT box = ErrorBoxRect(monitor->errorBox);
  if (!IsRectEmpty(&box)) {
    PaintErrorText(dc, box, errorText);
    ExcludeClipRect(dc, box.left, box.top, box.right, box.bottom);
  }
  RECT rest;
  if (saverMode == SaverMode::FullScreen) rest = ScreenRectInClient(window, monitor->screenRect);
  else GetClientRect(window, &rest);
  FillRect(dc, &rest, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
