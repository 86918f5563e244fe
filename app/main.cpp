// Brindlewick.scr: the screensaver host starts it with the mode switch on the command line.
#include <windows.h>
#include <objidl.h>  // GDI+ needs it and the lean Windows headers leave it out
#include <gdiplus.h>

#include "app/moire_screensaver.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
  CMoireScreensaver saver;
  saver.Create(instance);
  return saver.Run();
}
