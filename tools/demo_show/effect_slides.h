// The demo show's slides of the full-screen effects, one per effect item: each lays its effect
// over one of the show's pictures on a drifting plain light. The pattern brushes' tiles travel
// in the document like the pictures.
#pragma once

#include "document/doc_res_manager.h"
#include "show/kq_slide_show_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

// A lattice of gold bars with transparent holes, tiling without seams.
pack_images::Image MakeLatticeTile();
// Four panes of softly tinted glass in strips of lead, tiling without seams.
pack_images::Image MakeStainedGlassTile();

// Appends the effect slides to `show`, and the tiles' files to `manager`.
void AddEffectSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager);

}  // namespace demo_show
