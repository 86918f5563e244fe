// The pictures of the content pack, each painted by one generator, and the table that numbers
// them with the resource ids the player asks the pack for.
#pragma once

#include <vector>

#include "tools/pack_images/image.h"

namespace pack_images {

Image MakeLandscape();        // default slide picture and glass-ball background
Image MakeButterflyBody();    // body texture, u around the body, v from head to tail
Image MakeFlamePattern();     // the flame light's fire shapes
Image MakeFirePattern();      // the fire item's fire shapes
Image MakeNoise();            // tiling noise for the fire effects
Image MakeHeatBump();         // tiling normal map of the heat shimmer
Image MakeWaterBump();        // tiling normal map of a rippled water surface
Image MakeGlyphStrip();       // the code rain's glyphs, one column of cells
Image MakeGlassHighlights();  // glass-ball overlay A: reflections on the glass
Image MakeGlassRim();         // glass-ball overlay B: the darker, tinted rim of the ball
Image MakeBallStand();        // the stand under the ball
Image MakeClockFace();        // dial with numerals, transparent outside its circle
Image MakeClockHands();       // one hand, tip at the top, squeezed by the clock into a needle
Image MakeSharpBolt();        // lightning: thin forked bolt, two variants
Image MakePlasmaBolt();       // lightning: thick glowing bolt, two variants

struct PackImage {
  int id;                // resource number in the pack
  const char* fileName;  // PNG written by the tool and named by the resource script
  bool withAlpha;        // 32-bit PNG with alpha, else 24-bit
  Image (*make)();
};

const std::vector<PackImage>& PackImages();

}  // namespace pack_images
