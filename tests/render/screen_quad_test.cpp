// Quad geometry computed on the CPU: fitted pictures, the splash square, scaling, the grid's
// indices and interpolation, and the colour bytes written into quad vertices.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "render/grid_mesh.h"
#include "render/quad_colors.h"
#include "render/screen_quad.h"
#include "render/vertex_formats.h"

namespace {

struct Rect {
  float left, top, right, bottom;
};

void ExpectRect(const ScreenQuad& quad, const Rect& expected) {
  EXPECT_NEAR(quad.Left(), expected.left, 1e-3f);
  EXPECT_NEAR(quad.Top(), expected.top, 1e-3f);
  EXPECT_NEAR(quad.Right(), expected.right, 1e-3f);
  EXPECT_NEAR(quad.Bottom(), expected.bottom, 1e-3f);
}

TEST(ScreenQuad, VerticesRunBottomLeftTopLeftBottomRightTopRightWithTheirUV) {
  const ScreenQuad quad = ScreenQuad::Rectangle(10, 20, 30, 40);
  const ScreenQuadVertex expected[4] = {
      {10, 40, 1, 0, 1}, {10, 20, 1, 0, 0}, {30, 40, 1, 1, 1}, {30, 20, 1, 1, 0}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(expected[i].x, quad.vertices[i].x);
    EXPECT_EQ(expected[i].y, quad.vertices[i].y);
    EXPECT_EQ(expected[i].z, quad.vertices[i].z);
    EXPECT_EQ(expected[i].u, quad.vertices[i].u);
    EXPECT_EQ(expected[i].v, quad.vertices[i].v);
  }
}

TEST(ScreenQuad, FitImageKeepsTheAspectAndCentres) {
  struct Case {
    const char* name;
    UINT pictureWidth, pictureHeight;
    float w, h;
    Rect expected;
  };
  const Case cases[] = {
      {"portrait fits the height", 100, 200, 400, 300, {125, 0, 275, 300}},
      {"landscape fits the width", 200, 100, 400, 300, {0, 50, 400, 250}},
      {"the target's aspect fills it", 800, 600, 400, 300, {0, 0, 400, 300}},
      {"no picture counts as 1 x 1", 0, 0, 400, 300, {50, 0, 350, 300}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRect(ScreenQuad::FitImage(c.pictureWidth, c.pictureHeight, c.w, c.h), c.expected);
  }
}

TEST(ScreenQuad, TheSplashSquareIsTwoThirdsOfTheHeightCentred) {
  ExpectRect(ScreenQuad::CenteredSquare(1024, 768), {256, 128, 768, 640});
}

TEST(ScreenQuad, ScalingMapsTheDesignSizeOntoTheTargetSize) {
  ScreenQuad quad = ScreenQuad::Rectangle(100, 50, 300, 150);
  quad.ScaleToSize(400, 200, 800, 600);
  ExpectRect(quad, {200, 150, 600, 450});
  EXPECT_EQ(0, quad.vertices[0].u);  // uv stay
  EXPECT_EQ(1, quad.vertices[0].v);
}

TEST(GridMesh, IndicesCoverEightByEightCellsRowByRow) {
  WORD indices[GridMesh::IndexCount];
  GridMesh::WriteIndices(indices);

  const WORD firstCell[6] = {0, 1, 9, 9, 1, 10};
  const WORD lastCell[6] = {70, 71, 79, 79, 71, 80};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(firstCell[i], indices[i]);
    EXPECT_EQ(lastCell[i], indices[GridMesh::IndexCount - 6 + i]);
  }
  EXPECT_EQ(384u, GridMesh::IndexCount);  // 768 of the buffer's 2048 bytes
  const std::set<WORD> used(indices, indices + GridMesh::IndexCount);
  EXPECT_EQ(81u, used.size());  // every vertex of the 9 x 9 grid, none beyond
  EXPECT_EQ(80, *used.rbegin());
}

TEST(GridMesh, VerticesInterpolateTheQuadsCornersAndUV) {
  ScreenQuad quad = ScreenQuad::Rectangle(0, 0, 80, 40);
  for (ScreenQuadVertex& vertex : quad.vertices) vertex.z = 0.5f;
  DX_V::PT vertices[81];
  GridMesh::WriteVertices(vertices, quad, 8, 8);

  struct Case {
    int index;
    DX_V::PT expected;
  };
  const Case cases[] = {
      {0, {0, 40, 0.5f, 0, 1}},      // quad vertex 0
      {8, {0, 0, 0.5f, 0, 0}},       // i = 8, j = 0: quad vertex 1
      {72, {80, 40, 0.5f, 1, 1}},    // i = 0, j = 8: quad vertex 2
      {80, {80, 0, 0.5f, 1, 0}},     // quad vertex 3
      {40, {40, 20, 0.5f, 0.5f, 0.5f}},  // the centre
      {11, {10, 30, 0.5f, 0.125f, 0.75f}},  // i = 2, j = 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    const DX_V::PT& v = vertices[c.index];
    EXPECT_FLOAT_EQ(c.expected.x, v.x);
    EXPECT_FLOAT_EQ(c.expected.y, v.y);
    EXPECT_FLOAT_EQ(c.expected.z, v.z);
    EXPECT_FLOAT_EQ(c.expected.u, v.u);
    EXPECT_FLOAT_EQ(c.expected.v, v.v);
  }
}

TEST(QuadColors, CornerAlphasGoBottomLeftBottomRightTopLeftTopRight) {
  DX_V::TPC vertices[4] = {};
  SetQuadColor(vertices, 0x00123456);
  SetQuadCornerAlphas(vertices, 1, 1, 0, 0);
  EXPECT_EQ(0xFF123456, vertices[0].color);  // bottom-left
  EXPECT_EQ(0x00123456, vertices[1].color);  // top-left
  EXPECT_EQ(0xFF123456, vertices[2].color);  // bottom-right
  EXPECT_EQ(0x00123456, vertices[3].color);  // top-right

  SetQuadCornerAlphas(vertices, 0.5f, 0.25f, 0.75f, 0.1f);
  EXPECT_EQ(127u, vertices[0].color >> 24);
  EXPECT_EQ(191u, vertices[1].color >> 24);
  EXPECT_EQ(63u, vertices[2].color >> 24);
  EXPECT_EQ(25u, vertices[3].color >> 24);
}

TEST(QuadColors, CornerAlphasTellWhetherEveryAlphaByteIsZero) {
  struct Case {
    float a, b, c, d;
    bool transparent;
  } cases[] = {
      {0, 0, 0, 0, true},
      {0.003f, 0, 0, 0.003f, true},  // below one 255th: the bytes truncate to 0
      {0, 0, 0, 0.004f, false},      // one corner of alpha 1 is drawn
      {1, 1, 1, 1, false},
  };
  for (const Case& c : cases) {
    DX_V::TPC vertices[4] = {};
    EXPECT_EQ(c.transparent, SetQuadCornerAlphas(vertices, c.a, c.b, c.c, c.d))
        << c.a << " " << c.b << " " << c.c << " " << c.d;
  }
}

TEST(QuadColors, AlphaBytesTruncateAndStayOnTheByteScale) {
  struct Case {
    float scaled;
    DWORD expected;
  };
  const Case cases[] = {
      {255 * 1.0f, 255}, {128 * 0.25f, 32}, {99.9f, 99}, {300, 255}, {-4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scaled);
    EXPECT_EQ(c.expected, AlphaByte(c.scaled));
  }
}

}  // namespace
