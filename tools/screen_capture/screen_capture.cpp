#include "tools/screen_capture/screen_capture.h"

#include <objidl.h>  // GDI+ needs it and the lean Windows headers leave it out
#include <gdiplus.h>

#include <cstring>
#include <cwchar>

Screenshot DrawScreenshot(int width, int height, const std::function<bool(HDC)>& paint) {
  Screenshot shot;
  if (width <= 0 || height <= 0) return shot;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (paint(memory)) {
      GdiFlush();
      shot.width = width;
      shot.height = height;
      shot.pixels.resize(static_cast<size_t>(width) * height);
      std::memcpy(shot.pixels.data(), bits, shot.pixels.size() * 4);
      for (uint32_t& pixel : shot.pixels) pixel &= 0xFFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

Screenshot CaptureScreen(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  return DrawScreenshot(width, height, [&](HDC memory) {
    HDC screen = GetDC(nullptr);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return copied;
  });
}

Screenshot CaptureWholeScreen() {
  return CaptureScreen({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

namespace {

bool FindPngEncoder(CLSID* encoder) {
  UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  if (size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  Gdiplus::GetImageEncoders(count, size, codecs);
  for (UINT i = 0; i < count; ++i) {
    if (std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      *encoder = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SavePng(const Screenshot& shot, const wchar_t* path) {
  if (shot.pixels.empty()) return false;
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
  bool saved = false;
  {
    std::vector<uint32_t> opaque(shot.pixels);
    for (uint32_t& pixel : opaque) pixel |= 0xFF000000;
    Gdiplus::Bitmap bitmap(shot.width, shot.height, shot.width * 4, PixelFormat32bppARGB,
                           reinterpret_cast<BYTE*>(opaque.data()));
    CLSID encoder;
    saved = FindPngEncoder(&encoder) && bitmap.Save(path, &encoder, nullptr) == Gdiplus::Ok;
  }
  Gdiplus::GdiplusShutdown(token);
  return saved;
}
