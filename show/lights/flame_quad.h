// Where the flame light burns its fire: a quad over the lower 65 % of the picture, moved down by
// 0.5 % of the picture height per unit of the fire offset.
#pragma once

#include "render/vertex_formats.h"

// The four strip corners over a width x height picture: top-left, top-right, bottom-left,
// bottom-right, with the fire's fixed uv (v stops at 0.95, short of the pattern's lower edge).
void FlameQuadCorners(float width, float height, unsigned offset, DX_V::PT (&corners)[4]);
