// The demo show's slides of the effect lights: flames over the dawn mountains, the forest lake
// mirrored with ripples, and rain rings on the coast. The lake's bump texture is made here, at
// build time, and travels in the document among its generated textures.
#pragma once

#include <cstdint>
#include <vector>

#include "document/doc_res_manager.h"
#include "scene/kq_slide_show_light.h"

namespace demo_show {

// A DDS file of a size x size V8U8 texture: the slopes (du, dv) of gentle, seamlessly tiling
// ripples.
std::vector<uint8_t> LakeRippleBumpFile(unsigned size);

// Appends the light slides to `show`, and the lake's bump texture to `manager`.
void AddLightSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager);

}  // namespace demo_show
