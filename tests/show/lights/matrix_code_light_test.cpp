// The matrix code light: glyph colours and strip bands without a device, then columns of glyphs
// falling over a real device, their brightness taken from the picture.
#include "tests/support/light_device_test.h"

#include "show/lights/kq_matrix_code_light.h"

namespace {

using namespace scene_testing;
using testing_support::ColorNear;

GlyphQuad GlyphOfClass(int32_t brightnessClass, int32_t column = 0, int32_t row = 0) {
  GlyphQuad glyph;
  glyph.brightnessClass = brightnessClass;
  glyph.column = column;
  glyph.row = row;
  return glyph;
}

TEST(GlyphColour, BrightnessFollowsClassTransparencyAndLuminance) {
  // Luminance 0.5 in the left half of the map, 0.2 in the right.
  std::vector<float> map(256 * 256);
  for (int i = 0; i < 256 * 256; ++i) map[i] = (i % 256) < 128 ? 0.5f : 0.2f;
  const unsigned long trail = 0x00336699, head = 0x00FFEEDD;  // colour references
  struct Case {
    const char* what;
    int32_t brightnessClass, column;
    float transparency;
    int mode;
    D3DCOLOR argb;
  } cases[] = {
      {"settled glyph", 1, 0, 1.0f, 0, 0xFF996633},
      {"fading glyph at half", 0, 0, 1.0f, 0, 0x7F996633},
      {"hot glyph in the head colour", 2, 0, 1.0f, 0, 0xFFDDEEFF},
      {"fully transparent", 1, 0, 0.0f, 0, 0x00996633},
      {"a negative factor wraps", 1, 0, -0.5f, 0, 0x81996633},
      {"luminance on the left", 1, 0, 1.0f, 1, 0x7F996633},
      {"luminance on the right", 1, 3, 1.0f, 1, 0x33996633},
      {"a fading glyph is not halved on luminance", 0, 3, 1.0f, 1, 0x33996633},
      {"a hot glyph ignores the luminance", 2, 3, 1.0f, 1, 0xFFDDEEFF},
      {"other background modes do not weigh", 1, 3, 1.0f, 2, 0xFF996633},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.argb, GlyphColour(GlyphOfClass(c.brightnessClass, c.column), c.transparency,
                                  c.mode, map, 2, 4, trail, head));
  }
}

TEST(GlyphColour, LuminanceModeWithoutAMapFallsBackToTheFactor) {
  EXPECT_EQ(0xFF00FF00u, GlyphColour(GlyphOfClass(1), 1.0f, 1, {}, 2, 2, 0x0000FF00, 0));
}

TEST(GlyphStrip, HasHeightOverWidthPlusTwoBands) {
  struct Case {
    UINT width, height;
    int32_t rows;
  } cases[] = {{64, 1024, 18}, {64, 32, 2}, {64, 64, 3}, {0, 100, 2}, {1, 100000, 255}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.rows, GlyphRowsOfStrip(c.width, c.height)) << c.width << " x " << c.height;
  }
}

const FileLinkKey HalfWhitePicture{L"half white picture", 1};

bool IsLit(D3DCOLOR c) { return ((c >> 8) & 0xFF) > 40; }

class MatrixCodeLightTest : public LightDeviceTest {
protected:
  // Green glyphs over black, as bright as the picture under them: white on the left, black on
  // the right. No flicker cells, so no glyph is bright on its own.
  std::unique_ptr<KQ_MatrixCodeLight> RainLight(int backgroundMode) {
    ProvidePicture(HalfWhitePicture, Width, Height,
                   [](UINT x, UINT) { return x < 128 ? 0xFFFFFFFF : 0xFF000000; });
    auto light = std::make_unique<KQ_MatrixCodeLight>();
    light->pictureLink.Store(HalfWhitePicture);
    light->backgroundMode = backgroundMode;
    light->density = 100;
    light->dropMode = 0;
    light->flickerCells = 1;
    light->trailColour = 0x0000FF00;
    light->headColour = 0x0000FF00;
    return light;
  }

  // The lit pixels of the left half and of the right side, above and below the middle. The
  // column of cells from x 128 to 144 still lies over the white half's luminance.
  struct Halves {
    int topLeft, bottomLeft, topRight, bottomRight;
  };
  Halves LitPixels() {
    const std::vector<D3DCOLOR> p = ReadBackBuffer();
    return {CountPixels(p, Width, 0, 0, 128, 128, IsLit),
            CountPixels(p, Width, 0, 128, 128, 256, IsLit),
            CountPixels(p, Width, 144, 0, 256, 128, IsLit),
            CountPixels(p, Width, 144, 128, 256, 256, IsLit)};
  }
};

TEST_F(MatrixCodeLightTest, GlyphColumnsFallFromTheTopLitByThePicture) {
  std::srand(3);
  StartSlide(RainLight(1));
  ASSERT_NE(nullptr, Light().GetPictureQuad().texture);
  for (int frame = 0; frame < 5; ++frame) RenderFrame(0.03f * frame);
  const Halves early = LitPixels();
  SaveBackBuffer(L"matrix_code_early.png");
  for (int frame = 5; frame < 60; ++frame) RenderFrame(0.03f * frame);
  const Halves late = LitPixels();
  SaveBackBuffer(L"matrix_code_late.png");
  // Drops push in from the top one cell a frame: at first only the upper rows hold glyphs.
  EXPECT_GT(early.topLeft, 0);
  EXPECT_EQ(0, early.bottomLeft);
  EXPECT_GT(late.bottomLeft, 0);
  // On black, a glyph is as bright as the picture under it: nothing shows over the black half.
  EXPECT_EQ(0, late.topRight + late.bottomRight);
  EXPECT_COLOR_NEAR(ReadPixel(250, 250), Black, 2);
}

TEST_F(MatrixCodeLightTest, OverThePictureEveryGlyphShowsAtFullBrightness) {
  std::srand(3);
  StartSlide(RainLight(0));
  for (int frame = 0; frame < 60; ++frame) RenderFrame(0.03f * frame);
  SaveBackBuffer(L"matrix_code_picture.png");
  // The picture shows behind the glyphs, and glyphs fall on its black half too.
  EXPECT_COLOR_NEAR(ReadPixel(2, 250), White, 8);
  const Halves lit = LitPixels();
  EXPECT_GT(lit.topRight + lit.bottomRight, 0);
}

TEST_F(MatrixCodeLightTest, APictureSmallerThanACellGivesAOneCellGrid) {
  const FileLinkKey tiny{L"tiny picture", 1};
  ProvidePicture(tiny, 4, 4, [](UINT, UINT) { return 0xFFFFFFFF; });
  auto light = std::make_unique<KQ_MatrixCodeLight>();
  light->pictureLink.Store(tiny);
  light->dropMode = 2;  // drops that may start anywhere in the upper half of one row
  light->glitch = 1;    // glitches across one column
  light->density = 100;
  StartSlide(std::move(light));
  for (int frame = 0; frame < 30; ++frame) RenderFrame(0.03f * frame);
  const auto& matrix = static_cast<KQ_MatrixCodeLight&>(Light());
  EXPECT_EQ(1, matrix.Cursor()->grid->Columns());
  EXPECT_EQ(1, matrix.Cursor()->grid->Rows());
  EXPECT_EQ(1, matrix.Batch().QuadCount());
}

TEST_F(MatrixCodeLightTest, TheGridAndBatchHaveOneCellPerCellOfThePicture) {
  std::srand(3);
  StartSlide(RainLight(1));
  const auto& matrix = static_cast<KQ_MatrixCodeLight&>(Light());
  EXPECT_EQ(17, matrix.Cursor()->grid->Columns());
  EXPECT_EQ(17, matrix.Cursor()->grid->Rows());
  EXPECT_EQ(17 * 17, matrix.Batch().QuadCount());
  // The pack's strip: 64 x 1024, so 18 bands.
  EXPECT_EQ(18, matrix.GridSettings().glyphRows);
  EXPECT_EQ(size_t{256 * 256}, matrix.LuminanceMap().size());
  EXPECT_NEAR(1.0f, matrix.LuminanceMap()[100 * 256 + 10], 0.01f);
  EXPECT_NEAR(0.0f, matrix.LuminanceMap()[100 * 256 + 240], 0.01f);
}

TEST_F(MatrixCodeLightTest, LuminanceWithoutAPictureCountsAsFullyLit) {
  auto light = std::make_unique<KQ_MatrixCodeLight>();
  light->pictureLink.Store({L"no such picture", 9});
  light->backgroundMode = 1;
  StartSlide(std::move(light));
  const auto& matrix = static_cast<KQ_MatrixCodeLight&>(Light());
  ASSERT_EQ(size_t{256 * 256}, matrix.LuminanceMap().size());
  EXPECT_EQ(1.0f, matrix.LuminanceMap()[0]);
  RenderFrame(0);
}

}  // namespace
