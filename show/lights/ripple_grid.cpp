#include "show/lights/ripple_grid.h"

#include <cmath>

namespace {

constexpr uint32_t MaxRippleSide = MaxRippleCells / MinRippleSide;

// trunc(value) within [0, MaxRippleSide]; not-a-number counts as 0. Clamping before the
// conversion keeps huge detail settings from wrapping around.
uint32_t SideLength(double value) {
  if (!(value > 0)) return 0;
  if (value >= MaxRippleSide) return MaxRippleSide;
  return static_cast<uint32_t>(value);
}

uint32_t EvenSide(uint32_t length) {
  const uint32_t even = length & ~1u;
  return even < MinRippleSide ? MinRippleSide : even;
}

}  // namespace

RippleGridSize ChooseRippleGrid(float width, float height, float rowFactor, float columnFactor) {
  const uint32_t base = SideLength(static_cast<double>(columnFactor) * 128.0);
  RippleGridSize grid;
  grid.columns = EvenSide(base);
  // Rows follow from base itself, before it was made even.
  grid.rows = EvenSide(SideLength(static_cast<float>(base) * (height / width) * rowFactor));
  if (static_cast<uint64_t>(grid.columns) * grid.rows > MaxRippleCells) {
    grid.columns = EvenSide(MaxRippleCells / grid.rows);
  }
  return grid;
}

std::vector<uint16_t> SpiralStripIndices(RippleGridSize grid) {
  const int64_t columns = grid.columns;
  const size_t total = 2 * static_cast<size_t>(grid.Cells());
  std::vector<uint16_t> indices;
  indices.reserve(total);
  auto pair = [&](int64_t r1, int64_t c1, int64_t r2, int64_t c2) {
    const int64_t first = r1 * columns + c1, second = r2 * columns + c2;
    // Indices past the grid become 0 (even sides never make any).
    indices.push_back(first < grid.Cells() ? static_cast<uint16_t>(first) : 0);
    indices.push_back(second < grid.Cells() ? static_cast<uint16_t>(second) : 0);
  };
  int64_t c = 0, r = 0, n = grid.columns, m = grid.rows;
  while (indices.size() < total && n > 0 && m > 0) {
    for (int64_t i = 0; i < n; ++i, ++c) pair(r, c, r + 1, c);  // top, left to right
    c -= 1;
    r += 1;
    if (m > 1) {
      for (int64_t i = 0; i < m - 1; ++i, ++r) pair(r, c, r, c - 1);  // right side, down
      r -= 1;
      c -= 1;
    }
    if (n > 1) {
      for (int64_t i = 0; i < n - 1; ++i, --c) pair(r, c, r - 1, c);  // bottom, right to left
      c += 1;
      r -= 1;
    }
    if (m > 2) {
      for (int64_t i = 0; i < m - 2; ++i, --r) pair(r, c, r, c + 1);  // left side, up
    }
    m -= 2;
    n -= 2;
    r += 1;
    c += 1;
  }
  indices.resize(total, 0);
  return indices;
}

const RefractionEntry* RefractionTable() {
  static const struct Table {
    Table() {
      for (int i = 0; i < RefractionEntries; ++i) {
        const float cosI = static_cast<float>(i) * (1.0f / 256.0f);
        const float a = std::acos(cosI);
        const float s = std::sin(a);
        const float sR = s / 1.333f;
        const float b = std::asin(sR);
        const float cosR = std::cos(b);
        const uint32_t opacity = static_cast<uint32_t>((255 - i) * (255 - i) * (255 - i));
        entries[i] = {(s / sR) * cosR - cosI, -(sR / s), (opacity & 0xFFFF0000u) << 8};
      }
    }
    RefractionEntry entries[RefractionEntries];
  } table;
  return table.entries;
}
