// The ripple surface without a device: grid sizes, the spiral strip, the refraction table, drops,
// the relaxation step and the vertex fill.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <set>
#include <vector>

#include "render/current_device.h"
#include "show/lights/water_ripple_surface.h"

namespace {

TEST(RippleGrid, SizesFollowTheSurfaceAndStayEvenWithinTheCellLimit) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* what;
    float width, height, rowFactor, columnFactor;
    uint32_t columns, rows;
  } cases[] = {
      {"4:3 water, detail 0", 40, 30, 1, 1, 128, 96},
      {"detail 100 both ways is capped by giving up columns", 40, 30, 2, 2, 170, 384},
      {"129 columns round down to even; rows come from 129", 40, 30, 1, 129.0f / 128, 128, 96},
      {"a square", 30, 30, 1, 1, 128, 128},
      {"a thin strip keeps four rows", 40, 0.1f, 1, 1, 128, 4},
      {"no factor keeps four columns", 40, 30, 1, 0, 4, 4},
      {"huge detail settings neither wrap nor exceed the limit", 40, 30, 4e7f, 4e7f, 4, 16384},
      {"a huge column factor alone", 40, 30, 1, 4e7f, 4, 12288},
      {"no surface size", 0, 0, 1, 1, 128, 4},
      {"not a number", nan, 30, 1, 1, 128, 4},
      {"negative factors", 40, 30, -1, -1, 4, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RippleGridSize grid = ChooseRippleGrid(c.width, c.height, c.rowFactor, c.columnFactor);
    EXPECT_EQ(0u, grid.columns % 2);
    EXPECT_EQ(0u, grid.rows % 2);
    EXPECT_GE(grid.columns, MinRippleSide);
    EXPECT_GE(grid.rows, MinRippleSide);
    EXPECT_LE(grid.Cells(), MaxRippleCells);
    EXPECT_EQ(c.columns, grid.columns);
    EXPECT_EQ(c.rows, grid.rows);
  }
}

TEST(RippleGrid, SpiralStripOfFourByFourCells) {
  const std::vector<uint16_t> expected = {0,  4,  1,  5,  2, 6,  3,  7, 7,  6,  11,
                                          10, 15, 14, 14, 10, 13, 9, 12, 8, 8,  9,
                                          4,  5,  5,  9,  6,  10, 10, 9, 9,  5};
  EXPECT_EQ(expected, SpiralStripIndices({4, 4}));
}

TEST(RippleGrid, SpiralStripCoversEveryCellWithExactlyTwoIndicesPerCell) {
  const RippleGridSize grids[] = {{4, 6}, {6, 4}, {128, 96}, {170, 384}, {4, 16384}, {16384, 4}};
  for (const RippleGridSize& grid : grids) {
    SCOPED_TRACE(std::to_string(grid.columns) + " x " + std::to_string(grid.rows));
    const std::vector<uint16_t> indices = SpiralStripIndices(grid);
    ASSERT_EQ(2u * grid.Cells(), indices.size());
    std::set<uint32_t> seen(indices.begin(), indices.end());
    EXPECT_EQ(grid.Cells(), seen.size());
    EXPECT_LT(*seen.rbegin(), grid.Cells());
  }
}

TEST(RefractionTable, EntriesAtTheEnds) {
  const RefractionEntry* table = RefractionTable();
  // Grazing view: the most opaque; straight down: clear.
  EXPECT_EQ(0xFD000000u, table[0].color);
  EXPECT_EQ(0u, table[255].color);
  // cos_i 0: k = 1.333 cos(asin(1 / 1.333)).
  EXPECT_NEAR(1.333 * std::cos(std::asin(1 / 1.333)), table[0].k, 1e-5);
  for (int i : {0, 100, 255}) EXPECT_NEAR(-1 / 1.333, table[i].m, 1e-6) << i;
}

class RippleSurfaceTest : public ::testing::Test {
protected:
  void SetUp() override {
    CurrentDevice = nullptr;  // no buffers: the simulation alone
    surface.Resize(40, 30, 1, 1);
  }

  float VelocitySum() const {
    float sum = 0;
    for (uint32_t r = 0; r < surface.Grid().rows; ++r) {
      for (uint32_t c = 0; c < surface.Grid().columns; ++c) sum += surface.At(r, c).velocity;
    }
    return sum;
  }

  WaterRippleSurface surface;
};

TEST_F(RippleSurfaceTest, ADropPushesItsNineCellsDownByTheStrengthInAll) {
  surface.dropStrength = 0.8f;
  surface.AddDrop(10, 20);
  EXPECT_FLOAT_EQ(-0.2f, surface.At(10, 20).velocity);
  EXPECT_FLOAT_EQ(-0.1f, surface.At(9, 20).velocity);
  EXPECT_FLOAT_EQ(-0.1f, surface.At(10, 21).velocity);
  EXPECT_FLOAT_EQ(-0.05f, surface.At(11, 19).velocity);
  EXPECT_FLOAT_EQ(-0.8f, VelocitySum());
  EXPECT_EQ(0.0f, surface.At(10, 20).height);
}

TEST_F(RippleSurfaceTest, RandomDropsLandOnInnerCellsColumnFirst) {
  // Column factor 0 gives the smallest grid, 4 x 4, with only four inner cells.
  for (float columnFactor : {1.0f, 0.0f}) {
    surface.Resize(40, 30, 1, columnFactor);
    const RippleGridSize grid = surface.Grid();
    for (unsigned seed : {1u, 7u, 12345u}) {
      srand(seed);
      const uint32_t column = static_cast<uint32_t>(rand()) % (grid.columns - 2) + 1;
      const uint32_t row = static_cast<uint32_t>(rand()) % (grid.rows - 2) + 1;
      surface.Resize(40, 30, 1, columnFactor);
      srand(seed);
      surface.AddRandomDrop();
      EXPECT_FLOAT_EQ(-0.25f * surface.dropStrength, surface.At(row, column).velocity);
    }
    // Drops centred on a border would be ignored; none of these is.
    surface.Resize(40, 30, 1, columnFactor);
    for (int i = 0; i < 500; ++i) surface.AddRandomDrop();
    EXPECT_NEAR(-500 * surface.dropStrength, VelocitySum(), 1e-2) << grid.columns << " columns";
  }
}

TEST_F(RippleSurfaceTest, DropsOutsideTheInnerCellsAreIgnored) {
  surface.AddDrop(0, 5);
  surface.AddDrop(5, surface.Grid().columns - 1);
  surface.AddDrop(surface.Grid().rows, 5);
  EXPECT_EQ(0.0f, VelocitySum());
}

TEST_F(RippleSurfaceTest, FlatStillWaterStaysFlat) {
  for (int i = 0; i < 8; ++i) surface.Step();
  EXPECT_EQ(0.0f, surface.Mean());
  for (uint32_t r = 0; r < surface.Grid().rows; ++r) {
    for (uint32_t c = 0; c < surface.Grid().columns; ++c) {
      ASSERT_EQ(0.0f, surface.At(r, c).height) << r << ", " << c;
    }
  }
}

// The distance along the drop's row to the cell that stands highest above the drop's far corner.
uint32_t RingRadius(const WaterRippleSurface& surface, uint32_t row, uint32_t column) {
  uint32_t radius = 0;
  float highest = -1e30f;
  for (uint32_t d = 1; column + d < surface.Grid().columns - 1; ++d) {
    const float h = surface.At(row, column + d).height;
    if (h > highest) {
      highest = h;
      radius = d;
    }
  }
  return radius;
}

TEST_F(RippleSurfaceTest, ARingSpreadsFromADropAndCalms) {
  surface.dropStrength = 1.0f;
  surface.AddDrop(48, 64);
  uint32_t previous = 0;
  for (int steps : {8, 16, 24}) {
    for (int i = 0; i < steps; ++i) surface.Step();
    const uint32_t radius = RingRadius(surface, 48, 64);
    EXPECT_GT(radius, previous) << "after " << steps << " more steps";
    previous = radius;
  }
  // A heavily damped surface has all but stopped after a while.
  surface.damping = 0.5f;
  for (int i = 0; i < 400; ++i) surface.Step();
  EXPECT_NEAR(0.0f, surface.At(48, 64).velocity, 1e-4);
}

TEST_F(RippleSurfaceTest, FlatWaterMapsThePictureStraightThroughAtDepthZero) {
  surface.depth = 0;
  const RippleGridSize grid = surface.Grid();
  std::vector<RippleVertex> vertices(grid.Cells());
  surface.FillVertices(vertices.data(), {0, 120, 0});
  const RippleVertex& first = vertices.front();
  const RippleVertex& last = vertices.back();
  EXPECT_FLOAT_EQ(-20, first.x);
  EXPECT_FLOAT_EQ(-15, first.z);
  EXPECT_NEAR(20, last.x, 1e-3);
  EXPECT_NEAR(15, last.z, 1e-3);
  EXPECT_FLOAT_EQ(0, first.u);
  EXPECT_FLOAT_EQ(0, first.v);
  EXPECT_NEAR(1, last.u, 1e-4);
  EXPECT_NEAR(1, last.v, 1e-4);
  for (const RippleVertex& vertex : vertices) {
    ASSERT_EQ(0.0f, vertex.y);
    ASSERT_EQ(1.0f, vertex.ny);
    // Seen from 120 above, the view ray is never far from the normal: nearly clear water.
    ASSERT_LT(vertex.color >> 24, 8u);
    ASSERT_EQ(0u, vertex.color & 0xFFFFFF);
  }
}

TEST_F(RippleSurfaceTest, RefractionIsSymmetricAndFiniteEvenOutsideTheSphereOrFromBelow) {
  struct Case {
    const char* what;
    float width;
    RippleEye eye;
  } cases[] = {
      {"4:3 from above", 40, {0, 120, 0}},
      {"a very wide picture puts the corners outside the sphere", 160, {0, 120, 0}},
      {"an eye below the water faces every normal away", 40, {0, -120, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    surface.Resize(c.width, 30, 1, 1);
    surface.AddDrop(10, 10);
    for (int i = 0; i < 4; ++i) surface.Step();
    const RippleGridSize grid = surface.Grid();
    std::vector<RippleVertex> vertices(grid.Cells());
    surface.FillVertices(vertices.data(), c.eye);
    for (const RippleVertex& vertex : vertices) {
      ASSERT_TRUE(std::isfinite(vertex.u) && std::isfinite(vertex.v));
    }
    // On flat water each row mirrors about the middle.
    surface.Resize(c.width, 30, 1, 1);
    surface.FillVertices(vertices.data(), c.eye);
    const uint32_t row = grid.rows / 2;
    for (uint32_t col = 0; col < grid.columns; ++col) {
      const float u = vertices[row * grid.columns + col].u;
      const float mirrored = vertices[row * grid.columns + grid.columns - 1 - col].u;
      ASSERT_NEAR(1.0f, u + mirrored, 1e-3) << col;
    }
  }
}

// The bits of every cell and of every filled vertex after each of many steps with drops, folded
// into one number per grid: the values recorded here must come out exactly, so a faster step or
// fill that changes even the last bit of one value fails.
uint64_t RippleFingerprint(float columnFactor) {
  WaterRippleSurface surface;
  surface.Resize(40, 30, 1, columnFactor);
  const RippleGridSize grid = surface.Grid();
  std::vector<RippleVertex> vertices(grid.Cells());
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  const auto fold = [&hash](const void* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) {
      hash = (hash ^ static_cast<const uint8_t*>(bytes)[i]) * 1099511628211ull;
    }
  };
  srand(20);
  for (int step = 0; step < 300; ++step) {
    if (step % 5 == 0) surface.AddRandomDrop();
    surface.Step();
    for (uint32_t r = 0; r < grid.rows; ++r) {
      for (uint32_t c = 0; c < grid.columns; ++c) {
        fold(&surface.At(r, c), sizeof(WaterRippleSurface::Cell));
      }
    }
    if (step % 50 == 49) {
      surface.FillVertices(vertices.data(), {3, 25, -8});
      fold(vertices.data(), vertices.size() * sizeof(RippleVertex));
    }
  }
  return hash;
}

TEST(RippleRecording, ManyStepsGiveTheRecordedValuesBitForBit) {
  EXPECT_EQ(0xe65ce30432fc6bc9ull, RippleFingerprint(1)) << "128 x 96 cells";
  EXPECT_EQ(0xea39962a98f8c98aull, RippleFingerprint(0)) << "4 x 4 cells, wrapping the most";
}

}  // namespace
