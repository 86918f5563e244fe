// What the pack's users rely on in the pictures' layout: patterns that tile where shaders
// repeat them, glyph cells that do not bleed into each other, lightning variants that join
// from segment to segment, and transparency where the overlays must not cover anything.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "tools/pack_images/pack_images.h"

namespace pack_images {
namespace {

TEST(PackTable, NumbersEachPictureOnceWithItsOwnFile) {
  std::set<int> ids;
  std::set<std::string> files;
  for (const PackImage& image : PackImages()) {
    EXPECT_TRUE(ids.insert(image.id).second) << image.id;
    EXPECT_TRUE(files.insert(image.fileName).second) << image.fileName;
  }
  EXPECT_EQ(ids.size(), 15u);
}

// Largest step between neighbouring texels across the wrapped edges, over all channels.
float SeamStep(const Image& image, bool across) {
  float step = 0.0f;
  const int n = across ? image.Height() : image.Width();
  for (int i = 0; i < n; ++i) {
    const Rgba& a = across ? image.At(image.Width() - 1, i) : image.At(i, image.Height() - 1);
    const Rgba& b = across ? image.At(0, i) : image.At(i, 0);
    step = std::fmax(step, std::fmax(std::fmax(std::fabs(a.r - b.r), std::fabs(a.g - b.g)),
                                     std::fmax(std::fabs(a.b - b.b), std::fabs(a.a - b.a))));
  }
  return step;
}

TEST(PackLayout, RepeatedPatternsHaveNoSeam) {
  struct Case {
    const char* what;
    Image (*make)();
    bool down;  // also repeats vertically
  } cases[] = {
      {"noise", MakeNoise, true},
      {"heat bump", MakeHeatBump, true},
      {"water bump", MakeWaterBump, true},
      {"flame pattern", MakeFlamePattern, false},
      {"fire pattern", MakeFirePattern, false},
  };
  for (const Case& c : cases) {
    const Image image = c.make();
    // Neighbouring texels inside these pictures differ by a few levels; a seam by far more.
    EXPECT_LT(SeamStep(image, true), 0.12f) << c.what << " across";
    if (c.down) {
      EXPECT_LT(SeamStep(image, false), 0.12f) << c.what << " down";
    }
  }
}

TEST(PackLayout, FireBurnsFromTheBottomRow) {
  for (Image (*make)() : {MakeFlamePattern, MakeFirePattern}) {
    const Image image = make();
    float top = 0.0f, bottom = 0.0f;
    for (int x = 0; x < image.Width(); ++x) {
      top += image.At(x, 0).a;
      bottom += image.At(x, image.Height() - 1).a;
    }
    EXPECT_EQ(top, 0.0f);
    EXPECT_GT(bottom / image.Width(), 0.7f);
  }
}

TEST(PackLayout, GlyphCellsMatchTheLightsDivisionAndDoNotBleed) {
  const Image strip = MakeGlyphStrip();
  const int cells = strip.Height() / strip.Width() + 2;  // the light's glyph-row count
  for (int k = 1; k < cells; ++k) {
    const int border = static_cast<int>(static_cast<float>(k) * strip.Height() / cells);
    for (int x = 0; x < strip.Width(); ++x)
      ASSERT_LT(strip.At(x, border).a, 0.02f) << "border " << k << " at x " << x;
  }
  // And every cell holds a glyph.
  for (int k = 0; k < cells; ++k) {
    const int middle = static_cast<int>((k + 0.5f) * strip.Height() / cells);
    float ink = 0.0f;
    for (int y = middle - 10; y <= middle + 10; ++y)
      for (int x = 0; x < strip.Width(); ++x) ink = std::fmax(ink, strip.At(x, y).a);
    EXPECT_GT(ink, 0.9f) << "cell " << k;
  }
}

TEST(PackLayout, LightningVariantsJoinInTheMiddleOfTheirHalves) {
  // Inner segments show u 0.195 to 0.805 of either half, either way up: the bolt must cross
  // both of those columns at the half's middle row to join its neighbours.
  for (Image (*make)() : {MakeSharpBolt, MakePlasmaBolt}) {
    const Image bolt = make();
    const int half = bolt.Height() / 2;
    for (float u : {0.195f, 0.805f}) {
      const int x = static_cast<int>(u * bolt.Width());
      for (int variant = 0; variant < 2; ++variant) {
        // The core is a few rows wide at full alpha: take the middle of those rows.
        float peak = 0.0f;
        for (int y = variant * half; y < (variant + 1) * half; ++y)
          peak = std::fmax(peak, bolt.At(x, y).a);
        int first = -1, last = -1;
        for (int y = variant * half; y < (variant + 1) * half; ++y) {
          if (bolt.At(x, y).a < 0.98f * peak) continue;
          if (first < 0) first = y;
          last = y;
        }
        EXPECT_NEAR((first + last) * 0.5f, variant * half + half * 0.5f, 1.0f)
            << "u " << u << " variant " << variant;
      }
    }
    // Nothing crosses into the other half.
    for (int x = 0; x < bolt.Width(); ++x) {
      EXPECT_EQ(bolt.At(x, half).a, 0.0f);
      EXPECT_EQ(bolt.At(x, 0).a, 0.0f);
    }
  }
}

TEST(PackLayout, OverlaysAndFaceAreTransparentOutsideTheirCircle) {
  struct Case {
    const char* what;
    Image (*make)();
    float radius;  // of the opaque circle, in pixels from the centre
  } cases[] = {
      {"glass highlights", MakeGlassHighlights, 254.0f},
      {"glass rim", MakeGlassRim, 254.0f},
      {"clock face", MakeClockFace, 252.0f},
  };
  for (const Case& c : cases) {
    const Image image = c.make();
    const float centre = image.Width() * 0.5f;
    for (int y = 0; y < image.Height(); y += 3) {
      for (int x = 0; x < image.Width(); x += 3) {
        if (std::hypot(x + 0.5f - centre, y + 0.5f - centre) > c.radius + 1.5f) {
          ASSERT_EQ(image.At(x, y).a, 0.0f) << c.what << " at " << x << ", " << y;
        }
      }
    }
  }
  EXPECT_EQ(MakeClockFace().At(256, 256).a, 1.0f);
}

TEST(PackLayout, ClockHandIsWidestAtItsPivots) {
  // The clock squeezes the plate (v from 0 at z = 50 to 1 at z = -50) along z and moves it
  // forward, by 0.3 and 10 for the hour hand, 0.38 and 13 for the minute hand: each turns
  // about the plate point that lands on the clock's centre.
  const Image hand = MakeClockHands();
  auto width = [&](int y) {
    int n = 0;
    for (int x = 0; x < hand.Width(); ++x) n += hand.At(x, y).a > 0.5f;
    return n;
  };
  for (float pivot : {0.5f + 10.0f / 0.3f / 100.0f, 0.5f + 13.0f / 0.38f / 100.0f})
    EXPECT_EQ(width(static_cast<int>(pivot * hand.Height())), hand.Width()) << pivot;
  EXPECT_LT(width(hand.Height() / 2), hand.Width());
  EXPECT_EQ(width(0), 0);
  EXPECT_EQ(width(hand.Height() - 1), 0);
}

}  // namespace
}  // namespace pack_images
