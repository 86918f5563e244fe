// The glass ball's texel generators without a device, each writing into a buffer whose rows are
// wider than the texture (so the pitch is honoured) and which ends at a no-access page (so no
// row is written past the end).
#include <gtest/gtest.h>

#include <cstring>

#include "render/current_device.h"
#include "show/lights/glass_ball_textures.h"
#include "tests/support/guarded_bytes.h"

namespace {

using testing_support::GuardedBytes;

// A level of `rows` rows of `pitch` bytes, the last row ending at the guard page.
class Level {
public:
  Level(UINT rows, INT pitch) : pitch_(pitch), bytes_(std::vector<uint8_t>(rows * pitch, 0xCD)) {}
  BYTE* Bits() { return bytes_.Data(); }
  INT Pitch() const { return pitch_; }
  template <class Texel>
  Texel At(UINT x, UINT y, UINT component = 0, UINT components = 1) const {
    Texel value;
    std::memcpy(&value, bytes_.Data() + y * pitch_ + (x * components + component) * sizeof(Texel),
                sizeof value);
    return value;
  }

private:
  INT pitch_;
  GuardedBytes bytes_;
};

TEST(GlassBallTextures, BumpTexelsAreTheSlopesOfAHemisphere) {
  Level level(256, 256 * 4 + 16);
  FillBumpTexels(level.Bits(), level.Pitch());
  struct Case {
    UINT x, y;
    int16_t u, v;
  } cases[] = {
      {128, 128, 63, 63},    // the top: the next heights are a hair lower
      {127, 127, -63, -63},  // just before the top: the next heights are a hair higher
      {0, 0, 0, 0},          // outside the circle: flat
      {255, 128, 0, 0},      // the last column is flat by rule
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "texel " << c.x << ", " << c.y);
    EXPECT_EQ(c.u, (level.At<int16_t>(c.x, c.y, 0, 2)));
    EXPECT_EQ(c.v, (level.At<int16_t>(c.x, c.y, 1, 2)));
  }
  // The rim is steep: left of the centre the surface climbs to the right (negative U), right of
  // it it falls (positive U); the same for V above and below.
  EXPECT_LT((level.At<int16_t>(10, 128, 0, 2)), -10000);
  EXPECT_GT((level.At<int16_t>(245, 128, 0, 2)), 10000);
  EXPECT_LT((level.At<int16_t>(128, 10, 1, 2)), -10000);
  EXPECT_GT((level.At<int16_t>(128, 245, 1, 2)), 10000);
}

TEST(GlassBallTextures, TheMaskIsClearInsideTheCircleOfRadius508) {
  Level level(1024, 1024 + 8);
  FillMaskTexels(level.Bits(), level.Pitch());
  struct Case {
    UINT column, row;
    BYTE alpha;
  } cases[] = {
      {512, 0, 255},  // d2 = 262144, beyond the radius
      {512, 4, 0},    // d2 = 258064, on it
      {512, 512, 0},
      {0, 0, 255},
      {1023, 1023, 255},
      {4, 512, 0},
      {3, 512, 255},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.alpha, level.At<BYTE>(c.column, c.row)) << c.column << ", " << c.row;
  }
}

TEST(GlassBallTextures, TheGradientRunsFromTheTopColourToTheBottomColourRowByRow) {
  struct Case {
    const char* what;
    uint32_t top, bottom;
    UINT row;
    D3DCOLOR texel;
  } cases[] = {
      {"both colours 0", 0, 0, 100, 0x00000000},
      {"byte 2 of the bottom colour is blue", 0x00000000, 0x00FF0000, 255, 0x000000FF},
      {"byte 0 of the top colour is red", 0x000000FF, 0x00000000, 0, 0x00FF0000},
      {"the middle row truncates", 0x00000000, 0x000000FF, 128, 0x00800000},
      {"falling channels", 0x00FF8040, 0x00000000, 51, 0x003366CC},
      {"the top colour's alpha is not used", 0xFF000000, 0xFF000000, 0, 0x00000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Level level(256, 256 * 4 + 12);
    FillGradientTexels(level.Bits(), level.Pitch(), c.top, c.bottom);
    EXPECT_EQ(c.texel, level.At<uint32_t>(0, c.row));
    EXPECT_EQ(c.texel, level.At<uint32_t>(255, c.row));
  }
}

TEST(GlassBallTextures, BuildersThatCannotMakeTheirTextureFailAndLeaveNone) {
  ASSERT_EQ(nullptr, CurrentDevice);  // nothing can be made without a device
  IDirect3DTexture9* bump = nullptr;
  IDirect3DTexture9* mask = nullptr;
  IDirect3DTexture9* gradient = nullptr;
  EXPECT_TRUE(FAILED(BuildBumpTexture(&bump)));
  EXPECT_TRUE(FAILED(BuildMaskTexture(&mask)));
  EXPECT_TRUE(FAILED(BuildGradientTexture(&gradient, 0, 0x00FFFFFF)));
  EXPECT_EQ(nullptr, bump);
  EXPECT_EQ(nullptr, mask);
  EXPECT_EQ(nullptr, gradient);
}

}  // namespace
