// The geometry of the water-ring light's ripple surface: how many cells a surface of a given size
// gets, the one triangle strip that covers them, and the table that turns the angle between the
// view ray and a vertex normal into a refraction and an opacity.
//
// The strip spirals inward ring by ring, so the whole grid is one DrawIndexedPrimitive call with
// 16-bit indices; that is why a grid never holds more than 65536 cells.
#pragma once

#include <cstdint>
#include <vector>

struct RippleGridSize {
  uint32_t columns;
  uint32_t rows;
  uint32_t Cells() const { return columns * rows; }
};

constexpr uint32_t MaxRippleCells = 0x10000;
constexpr uint32_t MinRippleSide = 4;

// About 128 x columnFactor columns and as many rows as the surface's proportions ask for (times
// rowFactor), both even; wide grids give up columns to stay within MaxRippleCells. Any size or
// factor, however large, small or not a number, gives an even grid of at least 4 x 4 cells.
RippleGridSize ChooseRippleGrid(float width, float height, float rowFactor, float columnFactor);

// 2 x cells indices, row x columns + column, of a strip that spirals inward around the grid.
// Both sides must be even and at least 2.
std::vector<uint16_t> SpiralStripIndices(RippleGridSize grid);

// One entry per 255ths of cos(angle of incidence): the refracted ray is m x (E + k x N) for the
// eye direction E and the normal N, and the vertex takes `color` (an alpha, black).
struct RefractionEntry {
  float k;
  float m;
  uint32_t color;
};

constexpr int RefractionEntries = 256;

// The shared table, filled on first use (water's index 1.333).
const RefractionEntry* RefractionTable();
