// The pictures of the built-in demo show, one painter each, all PictureWidth x PictureHeight.
#pragma once

#include "tools/pack_images/image.h"

namespace demo_show {

pack_images::Image MakeMountainsAtDawn();  // snowy ranges in alpenglow, mist in the valley
pack_images::Image MakeForestLake();       // fir-lined lake mirroring the woods and the sky
pack_images::Image MakeMeadow();           // flowering summer meadow, hills and a lone tree
pack_images::Image MakeCoast();            // sea cliffs and a beach in the evening sun
pack_images::Image MakeNightLake();        // the forest lake under a starry, moonlit sky

// Where the night lake's moon stands, in picture heights from the top left: the picture glows
// round it and the water glitters below it; the slide puts the moon sprite there.
struct PicturePoint {
  float x, y;
};
constexpr PicturePoint NightLakeMoon = {1.02f, 0.16f};

}  // namespace demo_show
