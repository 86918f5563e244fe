// The pieces every slide of the demo show is made of: a plain light whose camera drifts over a
// picture, a slide of a light and its items with its fade times, and the picture files the
// document carries in its resource manager.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "document/doc_res_manager.h"
#include "document/file_link_key.h"
#include "items/kq_abobj_constructor.h"
#include "show/kq_2d_light.h"
#include "show/kq_slide_show_light.h"
#include "tools/pack_images/image.h"

namespace demo_show {

struct SlideTimes {
  unsigned fadeIn, display, fadeOut;  // seconds
};

// A plain light over `picture` whose camera drifts at `zoom` percent on a clock of `speed`
// (50 = real time).
std::unique_ptr<KQ_2D_Light> DriftingLight(const FileLinkKey& picture, unsigned zoom,
                                           unsigned speed);

using ItemList = std::vector<std::unique_ptr<KQ_ABObj_Constructor>>;

// Appends the slide `name` of `light` and `items` to `show`; the first item is drawn last, on top.
void AddSlide(KQ_SlideShow_Light& show, const wchar_t* name, SlideTimes times,
              std::unique_ptr<KQ_2D_Light> light, ItemList items = {});

struct Area {
  float left, right, top, bottom;  // fractions of the picture
};

// A particle system of `count` sprites of `image`, `size` pixels long, in `area`.
template <class Settings>
std::unique_ptr<Settings> SpriteSystem(const FileLinkKey& image, unsigned int count,
                                       unsigned int size, Area area) {
  auto settings = std::make_unique<Settings>();
  settings->image.Store(image);
  settings->count = count;
  settings->size = size;
  settings->leftFraction = area.left;
  settings->rightFraction = area.right;
  settings->topFraction = area.top;
  settings->bottomFraction = area.bottom;
  return settings;
}

// `image` as the bytes of a PNG file with its alpha; none when it cannot be encoded.
std::vector<uint8_t> PngBytes(const pack_images::Image& image);

// The manager carries `bytes` as the picture file that `link` names.
void CarryPicture(KQ_DocResManager& manager, const FileLinkKey& link, std::vector<uint8_t> bytes);

}  // namespace demo_show
