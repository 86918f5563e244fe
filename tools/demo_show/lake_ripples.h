// The lake's bump texture for the demo show, made at build time: the lake light finds it among
// the document's generated textures under its key.
#pragma once

#include <cstdint>
#include <vector>

#include "document/doc_res_manager.h"
#include "document/guid_key.h"

namespace demo_show {

// A DDS file of a size x size V8U8 texture: the slopes (du, dv) of gentle, seamlessly tiling
// ripples.
std::vector<uint8_t> LakeRippleBumpFile(unsigned size);

// The texture's key, the same on every build so that the document is too.
GuidKey LakeRipplesKey();

// The texture's file into the manager's generated textures under that key.
void AddLakeRipples(KQ_DocResManager& manager);

}  // namespace demo_show
