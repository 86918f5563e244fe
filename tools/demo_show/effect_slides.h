// The demo show's slides of the full-screen effects, one per effect item: each lays its effect
// over one of the show's pictures on a drifting plain light. The pattern brush's tile travels in
// the document like the pictures.
#pragma once

#include "document/doc_res_manager.h"
#include "show/kq_slide_show_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

// A lattice of gold bars with transparent holes, tiling without seams.
pack_images::Image MakeLatticeTile();

// Appends the effect slides to `show`, and the tile's file to `manager`.
void AddEffectSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager);

}  // namespace demo_show
