#include "show/lights/kq_matrix_code_grid.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t GlyphMask = 0xFF;
constexpr int32_t CounterMask = 0xFF00;

int32_t WithCounter(int32_t cell, int32_t counter) {
  return (cell & ~CounterMask) | ((counter & 0xFF) << 8);
}

int32_t WithGlyph(int32_t cell, int32_t glyph) { return (cell & ~GlyphMask) | (glyph & GlyphMask); }

}  // namespace

std::unique_ptr<KQ_MatrixCodeGrid> KQ_MatrixCodeGrid::Create(const GlyphGridSettings& settings,
                                                             int32_t pictureWidth,
                                                             int32_t pictureHeight,
                                                             RandomSource random) {
  std::unique_ptr<KQ_MatrixCodeGrid> grid(new KQ_MatrixCodeGrid);
  grid->random_ = random ? std::move(random) : RandomSource([] { return std::rand(); });
  const int32_t cell = std::max(settings.cellSize, 1);
  grid->width_ = std::max(pictureWidth, 0);
  grid->height_ = std::max(pictureHeight, 0);
  grid->dropMode_ = settings.dropMode;
  grid->density_ = settings.density;
  grid->flickerCount_ = settings.flickerCount;
  grid->glyphRows_ = std::clamp(settings.glyphRows, 2, 255);
  grid->glitch_ = settings.glitch != 0;
  grid->columns_ = grid->width_ / cell + 1;
  grid->rows_ = grid->height_ / cell + 1;
  grid->cells_.assign(static_cast<size_t>(grid->columns_) * grid->rows_, 0);
  grid->columnStates_.assign(grid->columns_, GlyphColumn{});
  grid->randomStart_ = settings.dropMode != 1;
  grid->startAnywhere_ = settings.dropMode != 0;
  grid->SeedFlicker();
  return grid;
}

void KQ_MatrixCodeGrid::SeedFlicker() {
  for (int32_t& cell : cells_) cell &= ~FlickerBit;
  // A count of 0 or less marks nothing; more marks than cells would only repeat cells.
  const int64_t marks = std::min<int64_t>(static_cast<int64_t>(flickerCount_) - 1,
                                          static_cast<int64_t>(cells_.size()));
  for (int64_t i = 0; i < marks; ++i) {
    const int32_t c = random_() % columns_;
    const int32_t r = random_() % rows_;
    Cell(r, c) |= FlickerBit;
  }
}

void KQ_MatrixCodeGrid::PutGlyph(int32_t row, int32_t glyph, int32_t column) {
  if (row >= rows_) return;
  int32_t* target;
  if (row < 0) {
    for (int32_t r = rows_ - 1; r >= 1; --r) {
      int32_t& below = Cell(r, column);
      const int32_t above = Cell(r - 1, column);
      if (GlyphOf(below) != 0 && GlyphOf(above) == 0) {
        below = WithCounter(below, -1);  // the glyph starts fading where it is
      } else {
        below = (below & ~(GlyphMask | CounterMask)) | (above & (GlyphMask | CounterMask));
      }
      below |= ChangedBit;
    }
    target = &Cell(0, column);
  } else {
    target = &Cell(row, column);
  }
  *target = WithGlyph(*target, glyph) | ChangedBit;
  if (glyph != 0) *target = WithCounter(*target, row >= 0 ? random_() % 2 + 1 : 0);
}

void KQ_MatrixCodeGrid::Step(bool full) {
  for (int32_t k = 0; k < columns_; ++k) {
    GlyphColumn& state = columnStates_[k];
    if (state.delay != 0) {
      --state.delay;
    } else {
      if (state.length > 0) {
        const int32_t glyph = full ? 0 : random_() % glyphRows_ + 1;
        PutGlyph(state.headRow, glyph, k);
        --state.length;
      } else {
        PutGlyph(state.headRow, 0, k);
      }
      if (state.headRow >= 0) ++state.headRow;
    }
    if (random_() % 10 == 0) {
      const int32_t first = random_() % 5;
      state.delay = first + random_() % 5;
    }
  }
}

void KQ_MatrixCodeGrid::StartDrops() {
  // A grid one cell wide has no column pairs to glitch in.
  const int32_t glitchRange = columns_ / 2 * 10;
  if (glitch_ && glitchRange > 0) {
    const int32_t n = random_() % glitchRange / 10 - 1;
    for (int32_t i = 0; i < n; ++i) {
      const int32_t c = random_() % columns_;
      const int32_t r = random_() % rows_;
      int32_t& cell = Cell(r, c);
      if (GlyphOf(cell) != 0 && CounterOf(cell) == 0) {
        cell = WithCounter(cell, random_() % 20) | ChangedBit;
      }
    }
  }
  const int32_t divisor = StartChanceDivisor();
  for (GlyphColumn& state : columnStates_) {
    if (state.length > 0) continue;
    if (random_() % divisor != 0) continue;
    state.length = random_() % rows_ + 3;
    const int32_t first = random_() % 5;
    state.delay = first + random_() % 5;
    if (random_() % 4 != 0) state.length = 0;  // three starts in four are erasers
    const bool start = (randomStart_ && startAnywhere_) ? (random_() & 1) != 0 : startAnywhere_;
    // A grid one row high has no upper half to start in: its drops start at the top row.
    const int32_t upperHalf = rows_ / 2;
    state.headRow = !start ? -1 : upperHalf > 0 ? random_() % upperHalf : 0;
  }
  if (random_() % 500 == 0) SeedFlicker();
}

int32_t KQ_MatrixCodeGrid::StartChanceDivisor() const {
  struct Step {
    int32_t below;
    int32_t divisor;
  };
  static constexpr Step steps[] = {{10, 85}, {15, 60}, {20, 45}, {25, 25}, {30, 20},
                                   {35, 15}, {45, 10}, {50, 8},  {55, 7},  {65, 5},
                                   {80, 3},  {90, 2}};
  for (const Step& step : steps) {
    if (density_ < step.below) return step.divisor;
  }
  return 1;
}

void KQ_MatrixCodeGrid::Age(int32_t& cell) {
  if (!(cell & ChangedBit)) return;
  cell &= ~ChangedBit;
  const int32_t counter = CounterOf(cell);
  if (counter > 0) {
    cell = WithCounter(cell, counter - 1) | ChangedBit;
  } else if (counter < 0) {
    cell = WithCounter(cell, counter + 1) | ChangedBit;
    if (counter + 1 == 0) cell = WithGlyph(cell, 0);
  }
  if ((cell & FlickerBit) && GlyphOf(cell) != 0) {
    cell = WithGlyph(cell, random_() % glyphRows_) | ChangedBit;  // 0 empties the cell
  }
}

bool KQ_MatrixCodeGrid::NextGlyph(GlyphGridCursor& cursor, GlyphQuad& quad) {
  KQ_MatrixCodeGrid& grid = *cursor.grid;
  quad.column = 0;
  quad.row = 0;
  while (cursor.row < grid.rows_) {
    while (cursor.column < grid.columns_) {
      int32_t& cell = grid.Cell(cursor.row, cursor.column);
      const int32_t glyph = GlyphOf(cell);
      const bool found = glyph != 0;
      if (found) {
        ++cursor.count;
        quad.centreX = quad.originX + quad.halfWidth + 2 * quad.halfWidth * cursor.column;
        quad.centreY = quad.originY + quad.halfHeight + 2 * quad.halfHeight * cursor.row;
        quad.z = 0;
        quad.column = cursor.column;
        quad.row = cursor.row;
        quad.uLeft = 0;
        quad.uRight = 1;
        quad.vTop = static_cast<float>(glyph - 1) / grid.glyphRows_;
        quad.vBottom = static_cast<float>(glyph) / grid.glyphRows_;
        quad.colourMask = 0xFFFFFFFF;
        const int32_t counter = CounterOf(cell);
        quad.brightnessClass = (counter > 0 || (cell & FlickerBit)) ? 2 : counter == 0 ? 1 : 0;
        ++cursor.column;
      }
      grid.Age(cell);
      if (found) return true;
      ++cursor.column;
    }
    ++cursor.row;
    cursor.column = 0;
  }
  quad.colourMask &= 0x00FFFFFF;
  return false;
}
