// The lake's bump texture as DDS bytes: a V8U8 surface (the "bump du dv" pixel format) holding the
// slopes of a few crossing sine ripples whose periods divide the texture, so it tiles.
#include <cmath>
#include <cstring>

#include "tools/demo_show/lake_ripples.h"

namespace demo_show {
namespace {

constexpr unsigned LakeRippleSize = 128;

constexpr uint32_t DdsMagic = 0x20534444;  // "DDS "
constexpr uint32_t HeaderSize = 124;
constexpr uint32_t PixelFormatSize = 32;
constexpr uint32_t CapsFlag = 0x1, HeightFlag = 0x2, WidthFlag = 0x4, PitchFlag = 0x8,
                   PixelFormatFlag = 0x1000;
constexpr uint32_t BumpDuDvFlag = 0x80000;
constexpr uint32_t TextureCaps = 0x1000;

void Put(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

int8_t Slope(double value) {
  return static_cast<int8_t>(std::lround(std::fmax(-127.0, std::fmin(127.0, value))));
}

}  // namespace

std::vector<uint8_t> LakeRippleBumpFile(unsigned size) {
  std::vector<uint8_t> file;
  Put(file, DdsMagic);
  Put(file, HeaderSize);
  Put(file, CapsFlag | HeightFlag | WidthFlag | PitchFlag | PixelFormatFlag);
  Put(file, size);      // height
  Put(file, size);      // width
  Put(file, 2 * size);  // pitch
  Put(file, 0);         // depth
  Put(file, 0);         // mip levels
  for (int i = 0; i < 11; ++i) Put(file, 0);
  Put(file, PixelFormatSize);
  Put(file, BumpDuDvFlag);
  Put(file, 0);       // no FourCC
  Put(file, 16);      // bits per texel
  Put(file, 0x00FF);  // du
  Put(file, 0xFF00);  // dv
  Put(file, 0);
  Put(file, 0);
  Put(file, TextureCaps);
  for (int i = 0; i < 4; ++i) Put(file, 0);

  // Height h = sum of a sin(2 pi (kx x + ky y) / size); the texel holds its gradient.
  struct Ripple {
    double amplitude, kx, ky;
  };
  const Ripple ripples[] = {{1.0, 3, 1}, {0.7, -2, 5}, {0.45, 7, -3}, {0.3, 1, 11}};
  const double twoPi = 6.283185307179586;
  for (unsigned y = 0; y < size; ++y) {
    for (unsigned x = 0; x < size; ++x) {
      double du = 0, dv = 0;
      for (const Ripple& r : ripples) {
        const double phase = twoPi * (r.kx * x + r.ky * y) / size;
        du += r.amplitude * r.kx * std::cos(phase);
        dv += r.amplitude * r.ky * std::cos(phase);
      }
      file.push_back(static_cast<uint8_t>(Slope(du * 6)));
      file.push_back(static_cast<uint8_t>(Slope(dv * 6)));
    }
  }
  return file;
}

GuidKey LakeRipplesKey() {
  return {{0x6B1E2C47, 0x58D3, 0x4A0F, {0x9C, 0x21, 0x3E, 0x7A, 0x05, 0xD4, 0xB8, 0x16}},
          L"lake ripples",
          true};
}

void AddLakeRipples(KQ_DocResManager& manager) {
  DataBlob file;
  file.name = LakeRipplesKey().name;
  file.bytes = LakeRippleBumpFile(LakeRippleSize);
  manager.GetResourceCache().guidTextureBlobs[LakeRipplesKey()] = file;
}

}  // namespace demo_show
