// The demo show's item slides: the sprite particle systems running over the show's pictures (a
// pond with fish, glints on the water and sunbeams through the firs, rain on the coast, birds
// and mist at dawn, a meadow of grass, daisies and dandelion seeds in the wind, the moon and
// ghosts over the night lake). Their sprite images are painted at build time and travel in the
// document as PNG files with alpha.
#pragma once

#include "document/doc_res_manager.h"
#include "show/kq_slide_show_light.h"

namespace demo_show {

// Appends the item slides to `show`, each on a drifting light over one of the show's pictures,
// and the sprite files to `manager`.
void AddItemSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager);

}  // namespace demo_show
