// The demo show's item slides: the sprite particle systems running over the show's pictures (a
// pond with fish and glints on the water, rain on the coast, birds and mist at dawn, a meadow
// of grass in the wind). Their sprite images are painted at build time and travel in the
// document as PNG files with alpha.
#pragma once

#include <cstdint>
#include <vector>

#include "document/doc_res_manager.h"
#include "scene/kq_slide_show_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

struct SpriteImage {
  const wchar_t* file;  // the image's name in the document
  pack_images::Image (*paint)();
};

const std::vector<SpriteImage>& SpriteImages();

// Appends the item slides to `show`, each on a drifting light over one of `pictures` (the
// links of the show's pictures, in DemoSlides order); the sprite files, in SpriteImages order,
// go into the manager's map of image bytes.
void AddItemSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager,
                   const std::vector<FileLinkKey>& pictures,
                   const std::vector<std::vector<uint8_t>>& spriteFiles);

}  // namespace demo_show
