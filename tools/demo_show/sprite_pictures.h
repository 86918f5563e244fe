// The sprite images of the demo show's item slides: small straight-alpha pictures whose
// transparent surroundings let the slide's picture show round each sprite. The creatures face
// right, as the swimming and flying sprites expect.
#pragma once

#include "tools/pack_images/image.h"

namespace demo_show {

pack_images::Image MakeFishSprite();     // a golden carp seen from above, 64 x 32
pack_images::Image MakeRainSprite();     // a thin falling streak, 8 x 64
pack_images::Image MakeBirdSprite();     // a gliding gull, 64 x 32
pack_images::Image MakeSparkleSprite();  // a four-pointed glint, 32 x 32
pack_images::Image MakeGrassSprite();    // one tapering blade, 16 x 96
pack_images::Image MakeFogSprite();      // a soft cloud of mist, 128 x 128
pack_images::Image MakeGodRaySprite();   // a shaft of sunlight, bright at the top, 32 x 256
pack_images::Image MakeGhostSprite();    // a pale wisp with a round head and a wavy tail, 64 x 48
pack_images::Image MakeMoonSprite();     // a full moon in its halo, 128 x 128
pack_images::Image MakeFlowerSprite();   // a white daisy, its stem's foot at the bottom, 48 x 128
pack_images::Image MakeSeedSprite();     // a dandelion seed's tuft, 24 x 24

}  // namespace demo_show
