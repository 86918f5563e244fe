// The cellular automaton behind the matrix code light: a grid of cells over the picture, one
// state per column, and the rules by which drops start, write or push glyphs down their column,
// fade, flare up and flicker. The light steps it once per rendered frame and then scans it cell
// by cell; each occupied cell becomes one glyph quad.
//
// Every random draw goes through the grid's source (the C runtime's rand by default), one call
// per draw in a fixed order: the order is part of the behaviour, and tests replay a fixed
// sequence through it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// What a new grid is built from.
struct GlyphGridSettings {
  int32_t cellSize = 16;   // cell edge in picture pixels
  int32_t density = 20;    // 1 to 100: how often columns start drops
  int32_t flickerCount = 10;
  int32_t glitch = 0;      // not 0: random cells flare up each frame
  int32_t dropMode = 0;    // 0 drops push from the top, 1 write from a random row, else either
  int32_t glyphRows = 1;   // glyph cells in the glyph strip
};

// A column's drop: glyphs still to write, frames to wait, and where its head is (-1: the drop
// pushes the whole column down from the top).
struct GlyphColumn {
  int32_t length = 0;
  int32_t delay = 0;
  int32_t headRow = 0;
};

// One occupied cell as the scan hands it out. The half cell sizes and the picture's top-left
// corner (back-buffer pixels) are given by the caller; the scan fills the rest.
struct GlyphQuad {
  float halfWidth = 0, halfHeight = 0;
  float originX = 0, originY = 0;
  float centreX = 0, centreY = 0, z = 0;
  float uLeft = 0, uRight = 1, vTop = 0, vBottom = 0;  // the glyph's band of the strip
  uint32_t colourMask = 0xFFFFFFFF;                     // alpha 0 once no cell is left
  int32_t brightnessClass = 0;  // 2 hot or flickering, 1 settled, 0 fading
  int32_t column = 0, row = 0;
};

struct GlyphGridCursor;

class KQ_MatrixCodeGrid {
public:
  using RandomSource = std::function<int()>;

  // A cell is one int32: glyph in bits 0-7 (0 empty), a signed 8-bit counter in bits 8-15
  // (positive: hot for that many more visits; negative: fading), and two flags.
  static constexpr int32_t ChangedBit = 0x10000;  // aged (and may flicker) at its next visit
  static constexpr int32_t FlickerBit = 0x20000;

  static int32_t GlyphOf(int32_t cell) { return cell & 0xFF; }
  static int32_t CounterOf(int32_t cell) { return static_cast<int8_t>((cell >> 8) & 0xFF); }

  // An empty grid for a picture of pictureWidth x pictureHeight pixels, with its flicker cells
  // drawn. Cell sizes below 1 count as 1 and glyph rows are kept to 2..255, so that every glyph
  // fits its 8 bits.
  static std::unique_ptr<KQ_MatrixCodeGrid> Create(const GlyphGridSettings& settings,
                                                   int32_t pictureWidth, int32_t pictureHeight,
                                                   RandomSource random = nullptr);

  // Marks (flicker count - 1) cells, drawn at random, as flickering; the others stop.
  void SeedFlicker();
  // Writes glyph g (0: an empty cell) at `row` of column k; a negative row pushes the column
  // down one cell first and writes at the top.
  void PutGlyph(int32_t row, int32_t glyph, int32_t column);
  // One frame of every column's drop; with `full` the drops write empty cells.
  void Step(bool full);
  // Glitches, new drops and, rarely, a new set of flicker cells.
  void StartDrops();
  // One start in this many per column and frame, by density.
  int32_t StartChanceDivisor() const;
  // The next occupied cell of the cursor's scan, in row-major order, ageing every cell passed;
  // false (and the quad's alpha mask cleared) once the scan has passed the last cell.
  static bool NextGlyph(GlyphGridCursor& cursor, GlyphQuad& quad);

  int32_t Cell(int32_t row, int32_t column) const { return cells_[row * columns_ + column]; }
  int32_t& Cell(int32_t row, int32_t column) { return cells_[row * columns_ + column]; }
  GlyphColumn& Column(int32_t column) { return columnStates_[column]; }
  int32_t Columns() const { return columns_; }
  int32_t Rows() const { return rows_; }
  int32_t GlyphRows() const { return glyphRows_; }

private:
  KQ_MatrixCodeGrid() = default;
  // Ages a visited cell: counters step toward 0, a fading glyph goes at 0, a flicker cell
  // changes glyph.
  void Age(int32_t& cell);

  RandomSource random_;
  int32_t width_ = 0, height_ = 0;  // the picture's size at creation
  int32_t dropMode_ = 0, density_ = 0, flickerCount_ = 0, glyphRows_ = 2;
  bool glitch_ = false;
  int32_t columns_ = 1, rows_ = 1;
  std::vector<int32_t> cells_;  // row-major
  std::vector<GlyphColumn> columnStates_;
  bool randomStart_ = false;    // drop mode is not 1
  bool startAnywhere_ = false;  // drop mode is not 0
};

// The light's hold on its grid and the state of the per-frame scan.
struct GlyphGridCursor {
  std::unique_ptr<KQ_MatrixCodeGrid> grid;
  int32_t column = 0, row = 0;
  int32_t previousCount = 0;  // occupied cells seen by the previous scan
  int32_t count = 0;          // occupied cells seen so far by this scan
};
