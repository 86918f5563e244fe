// The glyph grid without a device: its size, its drops, pushes, ageing and scan, driven by a
// fixed sequence of random numbers so that every draw is accounted for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <vector>

#include "show/lights/kq_matrix_code_grid.h"

namespace {

using Grid = KQ_MatrixCodeGrid;

// Hands out the scripted values in order; a draw past the end is a test failure.
class ScriptedRandom {
public:
  explicit ScriptedRandom(const std::vector<int>& values = {}) : values_(values.begin(), values.end()) {}
  Grid::RandomSource Source() {
    return [this] {
      if (values_.empty()) {
        ADD_FAILURE() << "one random draw more than scripted";
        return 0;
      }
      const int value = values_.front();
      values_.pop_front();
      return value;
    };
  }
  void Add(const std::vector<int>& more) { values_.insert(values_.end(), more.begin(), more.end()); }
  size_t Left() const { return values_.size(); }

private:
  std::deque<int> values_;
};

GlyphGridSettings Settings(int32_t density, int32_t dropMode, int32_t flicker = 1,
                           int32_t glitch = 0, int32_t glyphRows = 4) {
  GlyphGridSettings s;
  s.cellSize = 16;
  s.density = density;
  s.flickerCount = flicker;
  s.glitch = glitch;
  s.dropMode = dropMode;
  s.glyphRows = glyphRows;
  return s;
}

int32_t CellOf(int32_t glyph, int32_t counter, int32_t flags = 0) {
  return (glyph & 0xFF) | ((counter & 0xFF) << 8) | flags;
}

TEST(GlyphGrid, HasOneCellMoreThanWholeCellsFitAndStartsEmpty) {
  struct Case {
    int32_t width, height, cell;
    int32_t columns, rows;
  } cases[] = {
      {640, 480, 16, 41, 31},
      {15, 15, 16, 1, 1},  // smaller than one cell
      {0, 0, 16, 1, 1},    // no picture
      {100, 50, 0, 101, 51},  // a cell size of 0 counts as 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " cell " << c.cell);
    GlyphGridSettings s = Settings(20, 2);
    s.cellSize = c.cell;
    ScriptedRandom random;
    auto grid = Grid::Create(s, c.width, c.height, random.Source());
    EXPECT_EQ(c.columns, grid->Columns());
    EXPECT_EQ(c.rows, grid->Rows());
    GlyphGridCursor cursor{std::move(grid)};
    GlyphQuad quad;
    EXPECT_FALSE(Grid::NextGlyph(cursor, quad));
    EXPECT_EQ(0u, quad.colourMask >> 24);
  }
}

TEST(GlyphGrid, KeepsGlyphRowsWithinEightBits) {
  struct Case {
    int32_t stored, used;
  } cases[] = {{1, 2}, {2, 2}, {40, 40}, {255, 255}, {300, 255}};
  for (const Case& c : cases) {
    ScriptedRandom random;
    EXPECT_EQ(c.used, Grid::Create(Settings(20, 0, 1, 0, c.stored), 32, 32, random.Source())
                          ->GlyphRows());
  }
}

TEST(GlyphGrid, StartChanceFollowsTheDensityTable) {
  struct Case {
    int32_t density, divisor;
  } cases[] = {{1, 85},  {9, 85},  {10, 60}, {14, 60}, {15, 45}, {19, 45}, {20, 25},
               {24, 25}, {25, 20}, {29, 20}, {30, 15}, {34, 15}, {35, 10}, {44, 10},
               {45, 8},  {49, 8},  {50, 7},  {54, 7},  {55, 5},  {64, 5},  {65, 3},
               {79, 3},  {80, 2},  {89, 2},  {90, 1},  {100, 1}};
  for (const Case& c : cases) {
    ScriptedRandom random;
    EXPECT_EQ(c.divisor, Grid::Create(Settings(c.density, 0), 32, 32, random.Source())
                             ->StartChanceDivisor())
        << "density " << c.density;
  }
}

TEST(GlyphGrid, SeedsOneFlickerCellFewerThanItsCount) {
  // Column then row per cell: (c 2, r 1) and (c 0, r 3) on a 3 x 4 grid (values taken modulo).
  ScriptedRandom random({5, 1, 3, 7});
  auto grid = Grid::Create(Settings(20, 0, 3), 32, 48, random.Source());
  EXPECT_EQ(0u, random.Left());
  int flickering = 0;
  for (int32_t r = 0; r < grid->Rows(); ++r)
    for (int32_t c = 0; c < grid->Columns(); ++c)
      if (grid->Cell(r, c) & Grid::FlickerBit) ++flickering;
  EXPECT_EQ(2, flickering);
  EXPECT_TRUE(grid->Cell(1, 2) & Grid::FlickerBit);
  EXPECT_TRUE(grid->Cell(3, 0) & Grid::FlickerBit);
}

TEST(GlyphGrid, FlickerCountsOfOneOrLessMarkNothingAndDrawNothing) {
  for (int32_t count : {1, 0, -5}) {
    ScriptedRandom random;  // any draw fails the test
    auto grid = Grid::Create(Settings(20, 0, count), 32, 48, random.Source());
    EXPECT_EQ(0, grid->Cell(0, 0) & Grid::FlickerBit);
  }
}

TEST(GlyphGrid, APushMovesTheColumnDownAndFadesAGlyphWithAGapAboveIt) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(20, 0), 0, 64, random.Source());  // 1 column, 5 rows
  grid->Cell(1, 0) = CellOf(5, 2);
  grid->Cell(2, 0) = CellOf(7, 0, Grid::FlickerBit);
  grid->PutGlyph(-1, 3, 0);  // a glyph pushed in at the top starts settled: no draw
  EXPECT_EQ(CellOf(3, 0, Grid::ChangedBit), grid->Cell(0, 0));
  EXPECT_EQ(CellOf(5, -1, Grid::ChangedBit), grid->Cell(1, 0));  // kept, now fading
  EXPECT_EQ(CellOf(5, 2, Grid::ChangedBit | Grid::FlickerBit), grid->Cell(2, 0));
  EXPECT_EQ(CellOf(7, 0, Grid::ChangedBit), grid->Cell(3, 0));
  EXPECT_EQ(CellOf(0, 0, Grid::ChangedBit), grid->Cell(4, 0));
}

TEST(GlyphGrid, AGlyphWrittenAtARowStartsHotAndRowsPastTheEndAreIgnored) {
  ScriptedRandom random({1, 4});
  auto grid = Grid::Create(Settings(20, 1), 0, 64, random.Source());
  grid->PutGlyph(2, 6, 0);  // counter 1 % 2 + 1
  EXPECT_EQ(CellOf(6, 2, Grid::ChangedBit), grid->Cell(2, 0));
  grid->PutGlyph(3, 9, 0);  // counter 4 % 2 + 1
  EXPECT_EQ(CellOf(9, 1, Grid::ChangedBit), grid->Cell(3, 0));
  grid->PutGlyph(5, 9, 0);
  grid->PutGlyph(1, 0, 0);  // an empty glyph draws no counter
  EXPECT_EQ(CellOf(0, 0, Grid::ChangedBit), grid->Cell(1, 0));
  EXPECT_EQ(0u, random.Left());
}

TEST(GlyphGrid, StepWaitsOutDelaysWritesAtTheHeadAndSometimesDelaysAgain) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(20, 1), 32, 64, random.Source());  // 3 columns, 5 rows
  grid->Column(0) = {2, 1, 0};   // waits one more frame
  grid->Column(1) = {2, 0, 1};   // writes at row 1
  grid->Column(2) = {0, 0, -1};  // empty drop: pushes an empty cell in
  grid->Cell(0, 2) = CellOf(4, 0);
  random.Add({3,          // column 0: no new delay
              5, 1, 10,   // column 1: glyph 5 % 4 + 1 = 2, counter 1 % 2 + 1, then a new delay...
              7, 3,       // ... of 7 % 5 + 3 % 5 = 5
              11});       // column 2: no new delay
  grid->Step(false);
  EXPECT_EQ(0u, random.Left());
  EXPECT_EQ(0, grid->Column(0).delay);
  EXPECT_EQ(CellOf(2, 2, Grid::ChangedBit), grid->Cell(1, 1));
  EXPECT_EQ(1, grid->Column(1).length);
  EXPECT_EQ(2, grid->Column(1).headRow);
  EXPECT_EQ(5, grid->Column(1).delay);
  EXPECT_EQ(CellOf(4, 0, Grid::ChangedBit), grid->Cell(1, 2));  // pushed down one row
  EXPECT_EQ(CellOf(0, 0, Grid::ChangedBit), grid->Cell(0, 2));
  EXPECT_EQ(-1, grid->Column(2).headRow);
}

TEST(GlyphGrid, AFullGridWritesEmptyCellsWithoutDrawingGlyphs) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(20, 1), 0, 64, random.Source());
  grid->Cell(2, 0) = CellOf(3, 0);
  grid->Column(0) = {3, 0, 2};
  random.Add({1});  // only the delay draw
  grid->Step(true);
  EXPECT_EQ(0, Grid::GlyphOf(grid->Cell(2, 0)));
  EXPECT_EQ(2, grid->Column(0).length);
  EXPECT_EQ(0u, random.Left());
}

TEST(GlyphGrid, DropsStartByDropModeInTheScriptedDrawOrder) {
  struct Case {
    int32_t dropMode;
    std::vector<int> draws;  // after the start chance: length, delay, delay, eraser
    int32_t length, delay, headRow;
  } cases[] = {
      // 1 column, 10 rows. Mode 0 pushes from the top: no start draws.
      {0, {4, 2, 3, 8, 1}, 7, 5, -1},
      // Mode 1 writes from a row in the upper half: 7 % 5.
      {1, {4, 2, 3, 8, 7, 1}, 7, 5, 2},
      // Mode 2 flips a coin: odd starts at a row, even pushes; three in four are erasers.
      {2, {4, 2, 3, 8, 1, 9, 1}, 7, 5, 4},
      {2, {4, 2, 3, 9, 2, 1}, 0, 5, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "drop mode " << c.dropMode);
    ScriptedRandom random;
    auto grid = Grid::Create(Settings(100, c.dropMode), 0, 144, random.Source());
    random.Add({12345});  // any value passes a start chance of one in one
    random.Add(c.draws);
    grid->StartDrops();
    EXPECT_EQ(0u, random.Left());
    EXPECT_EQ(c.length, grid->Column(0).length);
    EXPECT_EQ(c.delay, grid->Column(0).delay);
    EXPECT_EQ(c.headRow, grid->Column(0).headRow);
  }
}

TEST(GlyphGrid, AColumnWithADropInProgressStartsNone) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(100, 0), 0, 144, random.Source());
  grid->Column(0) = {4, 0, -1};
  random.Add({1});  // the rare flicker reseed only
  grid->StartDrops();
  EXPECT_EQ(4, grid->Column(0).length);
  EXPECT_EQ(0u, random.Left());
}

TEST(GlyphGrid, APictureSmallerThanACellNeverDividesByZero) {
  // One row: a drop meant for the upper half starts at row 0. One column: no glitches at all.
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(100, 1, 1, 1), 8, 8, random.Source());
  random.Add({0, 3, 1, 2, 0, 1});  // chance, length, delay, delay, not an eraser, no reseed
  grid->StartDrops();
  EXPECT_EQ(0u, random.Left());
  EXPECT_EQ(0, grid->Column(0).headRow);
  EXPECT_EQ(3 % 1 + 3, grid->Column(0).length);
}

TEST(GlyphGrid, GlitchesFlareSettledGlyphsOnly) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(10, 0, 1, 1), 96, 0, random.Source());  // 7 columns, 1 row
  grid->Cell(0, 1) = CellOf(2, 0);
  grid->Cell(0, 3) = CellOf(2, 1);  // hot already
  for (int k = 0; k < 7; ++k) grid->Column(k).length = 1;  // no drop starts
  // (25 % 30) / 10 - 1 = 1 glitch, at column 1, row 0: counter 17 % 20; then no reseed.
  random.Add({25, 1, 0, 17, 1});
  grid->StartDrops();
  EXPECT_EQ(CellOf(2, 17, Grid::ChangedBit), grid->Cell(0, 1));
  // A glitch on the hot column 3 draws no counter; 9 gives no glitch at all.
  random.Add({29, 3, 0, 1, 9, 1});
  grid->StartDrops();
  grid->StartDrops();
  EXPECT_EQ(CellOf(2, 1), grid->Cell(0, 3));
  EXPECT_EQ(0u, random.Left());
}

TEST(GlyphGrid, TheScanYieldsOccupiedCellsInRowMajorOrderWithTheirClassAndBand) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(20, 0, 1, 0, 4), 32, 16, random.Source());  // 3 x 2
  grid->Cell(0, 2) = CellOf(3, 2);                    // hot
  grid->Cell(1, 0) = CellOf(1, 0);                    // settled
  grid->Cell(1, 1) = CellOf(4, -2);                   // fading
  grid->Cell(1, 2) = CellOf(2, 0, Grid::FlickerBit);  // flickering, not changed: no draw
  GlyphGridCursor cursor{std::move(grid)};
  struct Expected {
    int32_t column, row, brightnessClass;
    float vTop, vBottom;
  } expected[] = {{2, 0, 2, 0.5f, 0.75f}, {0, 1, 1, 0, 0.25f}, {1, 1, 0, 0.75f, 1}, {2, 1, 2, 0.25f, 0.5f}};
  GlyphQuad quad;
  quad.halfWidth = 5;
  quad.halfHeight = 4;
  quad.originX = 100;
  quad.originY = 50;
  for (const Expected& e : expected) {
    ASSERT_TRUE(Grid::NextGlyph(cursor, quad));
    EXPECT_EQ(e.column, quad.column);
    EXPECT_EQ(e.row, quad.row);
    EXPECT_EQ(e.brightnessClass, quad.brightnessClass);
    EXPECT_FLOAT_EQ(e.vTop, quad.vTop);
    EXPECT_FLOAT_EQ(e.vBottom, quad.vBottom);
    EXPECT_FLOAT_EQ(100 + 5 + 10 * e.column, quad.centreX);
    EXPECT_FLOAT_EQ(50 + 4 + 8 * e.row, quad.centreY);
    EXPECT_EQ(0xFFFFFFFFu, quad.colourMask);
  }
  EXPECT_FALSE(Grid::NextGlyph(cursor, quad));
  EXPECT_EQ(0x00FFFFFFu, quad.colourMask);
  EXPECT_FALSE(Grid::NextGlyph(cursor, quad));
  EXPECT_EQ(4, cursor.count);
}

TEST(GlyphGrid, AgeingCoolsHotGlyphsClearsFadedOnesAndLetsFlickerCellsChange) {
  struct Case {
    const char* what;
    int32_t before;
    std::vector<int> draws;
    int32_t after;
  } cases[] = {
      {"unchanged cells are left alone", CellOf(3, 2), {}, CellOf(3, 2)},
      {"a hot glyph cools by one", CellOf(3, 2, Grid::ChangedBit), {}, CellOf(3, 1, Grid::ChangedBit)},
      {"a settled glyph settles", CellOf(3, 0, Grid::ChangedBit), {}, CellOf(3, 0)},
      {"a glyph fading from -1 goes", CellOf(3, -1, Grid::ChangedBit), {}, CellOf(0, 0, Grid::ChangedBit)},
      {"a glyph fading from -2 stays", CellOf(3, -2, Grid::ChangedBit), {}, CellOf(3, -1, Grid::ChangedBit)},
      {"a flicker cell takes a new glyph", CellOf(3, 0, Grid::ChangedBit | Grid::FlickerBit), {6},
       CellOf(2, 0, Grid::ChangedBit | Grid::FlickerBit)},
      {"a flicker cell may turn empty", CellOf(3, 0, Grid::ChangedBit | Grid::FlickerBit), {8},
       CellOf(0, 0, Grid::ChangedBit | Grid::FlickerBit)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedRandom random;
    auto grid = Grid::Create(Settings(20, 0, 1, 0, 4), 0, 0, random.Source());
    grid->Cell(0, 0) = c.before;
    random.Add(c.draws);
    GlyphGridCursor cursor{std::move(grid)};
    GlyphQuad quad;
    Grid::NextGlyph(cursor, quad);
    EXPECT_EQ(c.after, cursor.grid->Cell(0, 0));
    EXPECT_EQ(0u, random.Left());
  }
}

TEST(GlyphGrid, AGlyphLeftBehindAGapIsShownOnceFadingAndThenGone) {
  ScriptedRandom random;
  auto grid = Grid::Create(Settings(20, 0), 0, 48, random.Source());  // 1 column, 4 rows
  grid->Cell(1, 0) = CellOf(2, 0);
  grid->Column(0) = {0, 0, -1};
  random.Add({1});
  grid->Step(false);  // pushes an empty cell in: row 1 keeps its glyph at -1, row 2 copies it
  GlyphGridCursor cursor{std::move(grid)};
  GlyphQuad quad;
  ASSERT_TRUE(Grid::NextGlyph(cursor, quad));
  EXPECT_EQ(1, quad.row);
  EXPECT_EQ(0, quad.brightnessClass);
  ASSERT_TRUE(Grid::NextGlyph(cursor, quad));
  EXPECT_EQ(2, quad.row);
  EXPECT_EQ(1, quad.brightnessClass);
  EXPECT_FALSE(Grid::NextGlyph(cursor, quad));
  EXPECT_EQ(0, Grid::GlyphOf(cursor.grid->Cell(1, 0)));
}

TEST(GlyphGrid, GlyphsAppearOnlyAfterADropHasStartedAndWaitedOutItsDelay) {
  std::srand(7);
  auto grid = Grid::Create(Settings(100, 0, 10, 0, 8), 160, 160, nullptr);
  GlyphGridCursor cursor{std::move(grid)};
  int firstFrameWithGlyphs = -1;
  for (int frame = 0; frame < 40 && firstFrameWithGlyphs < 0; ++frame) {
    cursor.grid->Step(false);
    cursor.grid->StartDrops();
    cursor.row = cursor.column = cursor.count = 0;
    GlyphQuad quad;
    while (KQ_MatrixCodeGrid::NextGlyph(cursor, quad)) {
    }
    if (cursor.count > 0) firstFrameWithGlyphs = frame;
  }
  // Frame 0 only starts drops; their glyphs come with a later step.
  EXPECT_GT(firstFrameWithGlyphs, 0);
}

}  // namespace
