// Draws the saver's built-in pictures at build time: the loading splash (a 24-bit bitmap) and
// the program icon (32 x 32, 32-bit). Usage: draw_saver_art SPLASH.bmp ICON.ico
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/file_output/write_bytes.h"

namespace {

struct Rgb {
  uint8_t r, g, b;
};

// A warm disc with soft rings on a dark blue ground: recognisable while the show loads.
Rgb ArtPixel(int x, int y, int size) {
  const double cx = (x + 0.5) / size - 0.5, cy = (y + 0.5) / size - 0.5;
  const double d = std::sqrt(cx * cx + cy * cy) * 2;
  if (d > 1) return {16, 24, 64};
  const double ring = 0.5 + 0.5 * std::cos(d * 18);
  return {static_cast<uint8_t>(200 + 55 * ring * (1 - d)),
          static_cast<uint8_t>(120 + 80 * ring * (1 - d)),
          static_cast<uint8_t>(40 + 60 * (1 - d))};
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER; `heightField` is doubled inside icons (image plus mask).
void PutInfoHeader(std::vector<uint8_t>& out, int size, int heightField, int bits, uint32_t bytes) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(size));
  Put32(out, static_cast<uint32_t>(heightField));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);
  Put32(out, bytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
}

std::vector<uint8_t> Bitmap(int size) {
  const uint32_t pixels = static_cast<uint32_t>(size * size * 3);
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, 14 + 40 + pixels);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, size, size, 24, pixels);
  for (int y = size - 1; y >= 0; --y) {  // bottom-up rows; size is a multiple of 4
    for (int x = 0; x < size; ++x) {
      const Rgb p = ArtPixel(x, y, size);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
  }
  return out;
}

std::vector<uint8_t> Icon(int size) {
  const uint32_t colour = static_cast<uint32_t>(size * size * 4);
  const uint32_t mask = static_cast<uint32_t>(size * ((size + 31) / 32) * 4);
  const uint32_t image = 40 + colour + mask;
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.insert(out.end(), {static_cast<uint8_t>(size), static_cast<uint8_t>(size), 0, 0});
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, image);
  Put32(out, 6 + 16);
  PutInfoHeader(out, size, size * 2, 32, colour + mask);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const Rgb p = ArtPixel(x, y, size);
      out.insert(out.end(), {p.b, p.g, p.r, 0xFF});
    }
  }
  out.insert(out.end(), mask, 0);  // everything opaque
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: draw_saver_art SPLASH.bmp ICON.ico\n");
    return 2;
  }
  return WriteBytes(argv[1], Bitmap(256)) && WriteBytes(argv[2], Icon(32)) ? 0 : 1;
}
