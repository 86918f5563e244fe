// The motion settings every falling leaf of one item shares: how big, which way and how fast the
// leaves drift, how much they sway across that way and how often a leaf picks a new sway, and
// how fast they tumble.
#pragma once

#include <d3dx9math.h>

#include <cstdint>

#include "document/media_param_t.h"

struct DriftHeading {
  int32_t angle = 0;                   // degrees, counter-clockwise on the picture, 0 right
  D3DXVECTOR4 along{1, 0, 0, 0};       // unit drift direction in picture pixels (y down)
  D3DXVECTOR4 across{0, -1, 0, 0};     // the direction 90 degrees further round
};

class DriftParameters {
public:
  // Stores the angle and recomputes both directions from it.
  void SetHeading(int32_t angle);

  MediaParamT<unsigned int> size{0};            // a leaf's bounding-sphere diameter, pixels
  DriftHeading heading;
  MediaParamT<unsigned int> speed{50};
  MediaParamT<unsigned int> sway{0};            // sideways sway and the rate of the two swings
  MediaParamT<unsigned int> swayChangeRate{0};  // how often a leaf may pick a new sway; 0 never
  MediaParamT<unsigned int> spin{100};          // rate of the three tumbles
};
