// Pictures of the screen as the user sees it, for the saver's end-to-end tests and the demo:
// a GDI copy of a screen area, and saving it as PNG.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

struct Screenshot {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What `paint` draws into a memory bitmap of `width` x `height` (it returns false on failure,
// which leaves the screenshot empty).
Screenshot DrawScreenshot(int width, int height, const std::function<bool(HDC)>& paint);

// The pixels of `area` (screen coordinates); empty when the screen cannot be read.
Screenshot CaptureScreen(const RECT& area);

// The whole primary screen.
Screenshot CaptureWholeScreen();

// Saves as PNG through GDI+ (started and stopped around the call).
bool SavePng(const Screenshot& shot, const wchar_t* path);
