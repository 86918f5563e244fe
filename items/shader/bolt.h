// A lightning bolt as a chain of straight segments from a start point to an end
// point, one vertex per segment. Each segment heads for the end with a random
// sideways offset in proportion to what remains, and takes what remains shared
// out over the segments left, so the last one (which takes no offset) always
// ends exactly at the end point.
#pragma once

#include <d3dx9math.h>

#include <vector>

struct BoltVertex {
  D3DXVECTOR3 centre{0, 0, 0};     // middle of the segment, picture pixels
  D3DXVECTOR3 direction{0, 0, 0};  // unit vector along the segment
  D3DXVECTOR3 side{0, 0, 0};       // unit vector across the whole bolt
  float length = 0;                // of the segment
};

using Bolt = std::vector<BoltVertex>;

// Fills every vertex of `bolt` (as many as it holds, at most `segments`) with a
// new random bolt of `segments` segments from `start` to `end`; the zigzag
// `amplitude` scales the offsets. Two draws of the shared generator per segment
// but the last: the offset across x, then y. Start equal to end gives segments
// of length 0 with zero vectors.
void GenerateBolt(Bolt& bolt, const D3DXVECTOR3& start, const D3DXVECTOR3& end,
                  unsigned int segments, float amplitude);

// Every one of the ten floats: older + (newer - older) x x.
BoltVertex LerpBoltVertex(const BoltVertex& older, const BoltVertex& newer, float x);
