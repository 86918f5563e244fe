// The second pattern brush's tile: two by two panes of glass, each tinted its own soft colour
// and brighter towards its middle, in strips of dark lead along the tile's edges and middle
// lines, so that the picture shows through the panes like a view through an old window.
#include <cmath>

#include "tools/demo_show/effect_slides.h"
#include "tools/pack_images/shape_math.h"

namespace demo_show {

pack_images::Image MakeStainedGlassTile() {
  using namespace pack_images;
  constexpr int Side = 128;
  const Rgba tints[4] = {Hex(0xF0B040), Hex(0xE07088), Hex(0x70A0E8), Hex(0x80C070)};
  Image tile(Side, Side);
  tile.Paint([&](float px, float py) {
    const float u = 2 * px / Side, v = 2 * py / Side;  // in panes
    const float inPaneU = u - std::floor(u), inPaneV = v - std::floor(v);
    // Distance to the nearest lead strip, which lies on every whole pane line.
    const float toLead =
        std::fmin(std::fmin(inPaneU, 1 - inPaneU), std::fmin(inPaneV, 1 - inPaneV));
    const float lead = Fill(toLead - 0.02f, 0.008f);
    const Rgba pane = tints[static_cast<int>(u) % 2 + 2 * (static_cast<int>(v) % 2)];
    const float middle = 1 - Length(Vec2{inPaneU - 0.5f, inPaneV - 0.5f});
    const Rgba glass = WithAlpha(Scaled(pane, 0.8f + 0.3f * middle), 0.18f);
    // The lead catches the light along its middle.
    const float sheen = 0.6f + 0.4f * Smoothstep(0.02f, 0.0f, toLead);
    return Mix(glass, WithAlpha(Scaled(Hex(0x403C38), sheen), 0.95f), lead);
  });
  return tile;
}

}  // namespace demo_show
