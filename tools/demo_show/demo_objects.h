// The assets the demo show's 3D items carry in the document: the butterflies' wing picture,
// and the falling leaves' picture and mesh.
#pragma once

#include <string>

#include "document/doc_res_manager.h"
#include "document/file_link_key.h"
#include "show/kq_slide_show_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

// One wing, laid out on the pack's wing mesh: u from the hinge to the tip, v from the front
// edge to the back; transparent outside the wing.
pack_images::Image MakeButterflyWing();
// An autumn leaf, stem at the bottom, transparent around it.
pack_images::Image MakeAutumnLeaf();
// The leaf's mesh as a text .x file: a gently curled square facing the viewer, its picture
// spread over it once.
std::string MakeLeafMesh();

// Appends the slide of 3D items over `picture` (a 1024 x 768 picture the manager already
// holds): butterflies, the clock and falling leaves. The wing picture goes into the manager's
// images; the leaves carry their picture and mesh in their own records. False when a picture
// could not be encoded.
bool AddGardenSlide(KQ_SlideShow_Light& show, KQ_DocResManager& manager,
                    const FileLinkKey& picture);

}  // namespace demo_show
