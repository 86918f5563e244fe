// Writes the assets of the test content packs into the current folder: small solid-colour
// bitmaps whose sizes tell them apart, and animated-image resources in the packs' form
// (uint32 n, n float seconds, uint32 m, m asset records), whole and cut short.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "document/kq_iof_w.h"
#include "document/stream_lists.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tools/file_output/write_bytes.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 24-bit bottom-up BMP of one colour.
std::vector<uint8_t> SolidBitmap(const test_pack::Picture& picture) {
  const uint32_t rowBytes = (picture.width * 3 + 3) / 4 * 4;
  const uint32_t pixelBytes = rowBytes * picture.height;
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, 14 + 40 + pixelBytes);
  Put32(out, 0);
  Put32(out, 14 + 40);
  Put32(out, 40);
  Put32(out, picture.width);
  Put32(out, picture.height);
  Put32(out, 1 | (24 << 16));  // planes, bits per pixel
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (uint32_t y = 0; y < picture.height; ++y) {
    for (uint32_t x = 0; x < picture.width; ++x) {
      out.push_back(static_cast<uint8_t>(picture.color));
      out.push_back(static_cast<uint8_t>(picture.color >> 8));
      out.push_back(static_cast<uint8_t>(picture.color >> 16));
    }
    out.resize(out.size() + rowBytes - picture.width * 3, 0);
  }
  return out;
}

std::vector<uint8_t> AnimatedImage() {
  std::vector<KQ_EmbeddedData> records;
  for (int id : test_pack::AnimatedPackFrames) records.emplace_back(id, test_pack::PackName);
  KQ_EmbeddedData embedded;
  embedded.name = L"frame.bmp";
  embedded.bytes = SolidBitmap(test_pack::AnimatedEmbeddedFrame);
  records.push_back(embedded);
  KQ_IOF_W stream;
  WriteFloatVector(stream, test_pack::AnimatedFrameTimes);
  WriteEmbeddedDataVector(stream, records);
  return stream.Bytes();
}

}  // namespace

int main() {
  bool ok = WriteBytes("wide.bmp", SolidBitmap(test_pack::Wide)) &&
            WriteBytes("tall.bmp", SolidBitmap(test_pack::Tall)) &&
            WriteBytes("square.bmp", SolidBitmap(test_pack::Square));
  std::vector<uint8_t> animated = AnimatedImage();
  ok = ok && WriteBytes("animated.bin", animated);
  // The same resource without its last 10 bytes: its counts promise more than it holds.
  animated.resize(animated.size() - 10);
  ok = ok && WriteBytes("animated_cut.bin", animated);
  if (!ok) std::fprintf(stderr, "make_pack_assets: cannot write the assets\n");
  return ok ? 0 : 1;
}
