#include "tools/pack_images/pack_images.h"

namespace pack_images {

const std::vector<PackImage>& PackImages() {
  static const std::vector<PackImage> images = {
      {5, "landscape.png", false, MakeLandscape},
      {6, "butterfly_body.png", false, MakeButterflyBody},
      {7, "flame_pattern.png", true, MakeFlamePattern},
      {8, "noise.png", true, MakeNoise},
      {40, "glyph_strip.png", true, MakeGlyphStrip},
      {58, "glass_highlights.png", true, MakeGlassHighlights},
      {59, "glass_rim.png", true, MakeGlassRim},
      {60, "ball_stand.png", true, MakeBallStand},
      {62, "heat_bump.png", true, MakeHeatBump},
      {71, "clock_face.png", true, MakeClockFace},
      {72, "clock_hands.png", true, MakeClockHands},
      {89, "water_bump.png", true, MakeWaterBump},
      {93, "fire_pattern.png", true, MakeFirePattern},
      {95, "bolt_sharp.png", true, MakeSharpBolt},
      {98, "bolt_plasma.png", true, MakePlasmaBolt},
  };
  return images;
}

}  // namespace pack_images
