// The demo show's slide of shader particle effects: a storm over the mountains at dawn, two
// blue lightning bolts that flicker and morph between the sky and the peaks, crackling where the
// first strikes, flashes of sheet lightning deeper in the sky, and fire bursts over the ridge
// that grow, burn through their colours and dissolve, each on its own cycle.
#pragma once

#include "document/doc_res_manager.h"
#include "document/file_link_key.h"
#include "show/kq_slide_show_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

// The explosions' colour ramp along u: dark red and faint at 0, through orange and yellow, to
// white and opaque at 1; the same on every row.
pack_images::Image MakeFireGradient();
// A forked flash of lightning from top to bottom, a white core in a violet glow, 96 x 256.
pack_images::Image MakeLightningSprite();
// Four frames side by side, 64 x 64 each, of sparks crackling out from the middle, each frame
// a different crackle: 256 x 64.
pack_images::Image MakeCrackleSheet();

// Appends the storm slide over `picture` (a 1024 x 768 picture the manager already holds), and
// the gradient's file to `manager`. False when the gradient could not be encoded.
bool AddStormSlide(KQ_SlideShow_Light& show, KQ_DocResManager& manager, const FileLinkKey& picture);

}  // namespace demo_show
