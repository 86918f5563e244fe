// The built-in demo show: its slides, each a generated picture on a plain light whose camera
// drifts slowly, with fades between them; the pictures' file bytes travel in the document's
// resource-manager section. Then the effect lights, each over one of those pictures. Its
// background music is embedded in its audio records.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "document/file_link_key.h"
#include "document/kq_iof_virtual.h"
#include "show/kq_2d_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

struct DemoSlide {
  const wchar_t* name;
  const wchar_t* pictureFile;  // the picture's name in the document
  pack_images::Image (*paint)();
  unsigned fadeIn, display, fadeOut;  // seconds
  unsigned zoom;                      // camera zoom while drifting, percent
  unsigned speed;                     // camera clock, 50 = real time
};

const std::vector<DemoSlide>& DemoSlides();
// The link of the picture of DemoSlides()[slide], whose file the document carries.
FileLinkKey DemoPictureLink(size_t slide);

// A slide shown through one of the effect lights, over the picture of an earlier slide (no
// picture is stored twice).
struct EffectLightSlide {
  const wchar_t* name;
  size_t pictureOfSlide;  // index into DemoSlides()
  std::unique_ptr<KQ_2D_Light> (*makeLight)();
  unsigned fadeIn, display, fadeOut;  // seconds
};

// They follow the picture slides.
const std::vector<EffectLightSlide>& EffectLightSlides();

// The whole document, given each slide's picture file bytes in slide order, ending with the
// slide of 3D items, the storm slide of shader effects, and the music; the stream is marked
// failed when their pictures cannot be encoded.
void WriteDemoShow(KQ_IOF_Virtual& out, const std::vector<std::vector<uint8_t>>& pictureFiles);

}  // namespace demo_show
