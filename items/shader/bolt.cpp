#include "items/shader/bolt.h"

#include <algorithm>

#include "items/random_fraction.h"

namespace {

// The unit vector along v; zero for a zero vector, which has no direction.
D3DXVECTOR3 Normalised(const D3DXVECTOR3& v) {
  const float length = D3DXVec3Length(&v);
  if (length == 0) return D3DXVECTOR3(0, 0, 0);
  return v / length;
}

float Offset(float amplitude) {
  return static_cast<float>(-amplitude + 2 * amplitude * RandomFraction());
}

D3DXVECTOR3 Lerp(const D3DXVECTOR3& a, const D3DXVECTOR3& b, float x) { return a + (b - a) * x; }

}  // namespace

void GenerateBolt(Bolt& bolt, const D3DXVECTOR3& start, const D3DXVECTOR3& end,
                  unsigned int segments, float amplitude) {
  const D3DXVECTOR3 whole = end - start;
  const D3DXVECTOR3 side = Normalised(D3DXVECTOR3(whole.y, -whole.x, 0));
  D3DXVECTOR3 previous = start;
  const unsigned int filled = std::min(static_cast<unsigned int>(bolt.size()), segments);
  for (unsigned int i = 0; i < filled; ++i) {
    const D3DXVECTOR3 remaining = end - previous;
    const float step = D3DXVec3Length(&remaining) / static_cast<float>(segments - i);
    D3DXVECTOR3 heading = remaining;
    if (i + 1 != segments) {
      const float acrossX = Offset(amplitude);
      const float acrossY = Offset(amplitude);
      heading.x = remaining.x + acrossX * remaining.y;
      heading.y = remaining.y + acrossY * remaining.x;
    }
    BoltVertex& vertex = bolt[i];
    vertex.direction = Normalised(heading);
    vertex.side = side;
    const D3DXVECTOR3 next = previous + vertex.direction * step;
    vertex.centre = (previous + next) * 0.5f;
    vertex.length = step;
    previous = next;
  }
}

BoltVertex LerpBoltVertex(const BoltVertex& older, const BoltVertex& newer, float x) {
  BoltVertex v;
  v.centre = Lerp(older.centre, newer.centre, x);
  v.direction = Lerp(older.direction, newer.direction, x);
  v.side = Lerp(older.side, newer.side, x);
  v.length = older.length + (newer.length - older.length) * x;
  return v;
}
