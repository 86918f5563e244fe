// Screen quads drawn on a real device and probed away from their edges: where they land, which
// corner gets which alpha, how texture coordinates run, and the grid's index buffer.
#include "tests/support/scene_device_test.h"

#include "render/color_screen_quad.h"
#include "render/grid_mesh.h"
#include "render/picture_view.h"
#include "render/textured_quad.h"
#include "render/textured_quad_node.h"

namespace {

using namespace scene_testing;


class QuadTest : public SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    UseBlendedVertexColours();
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
  }

  void UseTextureTimesVertexColour() {
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
  }

  template <class Quad>
  void DrawScreenQuad(const Quad& quad) {
    device->BeginScene();
    quad.Bind();
    quad.Draw();
    device->EndScene();
  }

  // Four texels: red top-left, green top-right, blue bottom-left, white bottom-right.
  IDirect3DTexture9* MakeQuadrants() {
    return MakeTexture(2, 2, [](UINT x, UINT y) {
      const D3DCOLOR texels[2][2] = {{0xFFFF0000, 0xFF00FF00}, {0xFF0000FF, 0xFFFFFFFF}};
      return texels[y][x];
    });
  }

  // The quadrants texture drawn upright over the square at (left, top).
  void ExpectQuadrants(UINT left, UINT top, UINT side) {
    const UINT a = side / 4, b = side * 3 / 4;  // quarter and three-quarter points
    EXPECT_COLOR_NEAR(ReadPixel(left + a, top + a), Red, 1);
    EXPECT_COLOR_NEAR(ReadPixel(left + b, top + a), Green, 1);
    EXPECT_COLOR_NEAR(ReadPixel(left + a, top + b), Blue, 1);
    EXPECT_COLOR_NEAR(ReadPixel(left + b, top + b), White, 1);
  }
};

TEST_F(QuadTest, AColourQuadCoversItsRectangleInBackBufferPixels) {
  Clear(Black);
  ColorScreenQuad quad;
  quad.SetRectAndColor(0xFF00FF00, ScreenQuad::Rectangle(64, 32, 192, 96));
  DrawScreenQuad(quad);
  EXPECT_COLOR_NEAR(ReadPixel(128, 64), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(66, 34), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(190, 94), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(60, 64), Black, 1);
  EXPECT_COLOR_NEAR(ReadPixel(128, 100), Black, 1);
  EXPECT_COLOR_NEAR(ReadPixel(128, 28), Black, 1);
}

TEST_F(QuadTest, CornerAlphasOneOneZeroZeroFadeTheTopEdgeOut) {
  Clear(White);
  ColorScreenQuad quad;
  quad.SetRectAndColor(0xFF000000, ScreenQuad::Rectangle(0, 0, Width, Height));
  quad.SetCornerAlphas(1, 1, 0, 0);
  DrawScreenQuad(quad);
  // Black at full alpha along the bottom, fully transparent along the top, half way between.
  EXPECT_COLOR_NEAR(ReadPixel(128, Height - 1), Black, 3);
  EXPECT_COLOR_NEAR(ReadPixel(128, 0), White, 3);
  EXPECT_COLOR_NEAR(ReadPixel(128, Height / 2), D3DCOLOR_XRGB(0x80, 0x80, 0x80), 6);
}

TEST_F(QuadTest, ATexturedQuadShowsItsTextureUprightInItsRectangle) {
  Clear(Black);
  IDirect3DTexture9* quadrants = MakeQuadrants();
  TexturedQuad quad;
  quad.SetTextureAndRect(quadrants, ScreenQuad::Rectangle(0, 0, Width, Height));
  EXPECT_EQ(2u, RefCount(quadrants));
  UseTextureTimesVertexColour();
  device->BeginScene();
  quad.BindScreenVertices();
  quad.Draw();
  device->EndScene();
  ExpectQuadrants(0, 0, Width);
  quadrants->Release();
}

TEST_F(QuadTest, SetRectMovesTheQuadAndKeepsItsColours) {
  Clear(Black);
  TexturedQuad quad;
  quad.SetRectUntextured(ScreenQuad::Rectangle(0, 0, 64, 64));
  quad.SetAlpha(255, 0.5f);
  quad.SetRect(ScreenQuad::Rectangle(128, 128, 256, 256));
  device->BeginScene();
  quad.BindScreenVertices();
  quad.Draw();
  device->EndScene();
  EXPECT_COLOR_NEAR(ReadPixel(32, 32), Black, 1);
  EXPECT_COLOR_NEAR(ReadPixel(192, 192), D3DCOLOR_XRGB(0x7F, 0x7F, 0x7F), 2);  // white at alpha 127
}

TEST_F(QuadTest, SetAlphaScalesTheQuadsOpacity) {
  struct Case {
    int scale;
    float factor;
    int expectedGrey;  // white over black at alpha trunc(scale x factor)
  };
  const Case cases[] = {{255, 1.0f, 255}, {128, 0.25f, 32}, {255, 0.0f, 0}};
  IDirect3DTexture9* white = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFFu; });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factor);
    Clear(Black);
    TexturedQuad quad;
    quad.SetTextureAndRect(white, ScreenQuad::Rectangle(0, 0, Width, Height));
    quad.SetAlpha(c.scale, c.factor);
    UseTextureTimesVertexColour();
    device->BeginScene();
    quad.BindScreenVertices();
    quad.Draw();
    device->EndScene();
    EXPECT_COLOR_NEAR(ReadPixel(128, 128),
                      D3DCOLOR_XRGB(c.expectedGrey, c.expectedGrey, c.expectedGrey), 2);
  }
  white->Release();
}

// The picture view places picture pixels 1:1 on the back buffer for a back-buffer-sized picture,
// so the node and the grid below are drawn where their picture coordinates say.
class PicturePixelTest : public QuadTest {
protected:
  void SetUp() override {
    QuadTest::SetUp();
    view.Setup(Width, Height, TextureEntry{nullptr, Width, Height, 1.0f}, PositionFit, false);
    view.SetWorld(D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1));
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
  }

  PictureView view;
};

TEST_F(PicturePixelTest, ThePictureQuadSpansItsSizeWithTheTextureUpright) {
  Clear(Black);
  IDirect3DTexture9* quadrants = MakeQuadrants();
  TexturedQuadNode node;
  node.CreateQuad();
  node.SetPicture(TextureEntry{quadrants, 128, 128, 1.0f});
  device->BeginScene();
  BindTexturedQuadPT(node);
  node.Draw();
  device->EndScene();
  ExpectQuadrants(0, 0, 128);
  EXPECT_COLOR_NEAR(ReadPixel(192, 192), Black, 1);
  quadrants->Release();
}

TEST_F(PicturePixelTest, TheGridDrawsEveryCellOfItsQuad) {
  Clear(Black);
  IDirect3DTexture9* halves =
      MakeTexture(2, 1, [](UINT x, UINT) { return x == 0 ? 0xFFFF0000u : 0xFF00FF00u; });
  GridMesh grid;
  grid.columns = grid.rows = 8;
  grid.CreateVertexBuffer(81, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  grid.primitiveType = D3DPT_TRIANGLELIST;
  ASSERT_EQ(D3D_OK, grid.CreateIndexBuffer());
  D3DINDEXBUFFER_DESC desc;
  grid.indexBuffer->GetDesc(&desc);
  EXPECT_EQ(2048u, desc.Size);
  EXPECT_EQ(128u, grid.triangleCount);
  grid.FillFromQuad(ScreenQuad::Rectangle(32, 32, 224, 224));

  device->SetTexture(0, halves);
  device->BeginScene();
  grid.Bind();
  grid.DrawIndexed();
  device->EndScene();
  // A missing triangle anywhere would leave black; probe each cell's centre.
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const UINT x = 32 + 24 * column + 12, y = 32 + 24 * row + 12;
      SCOPED_TRACE(testing::Message() << "cell " << column << ", " << row);
      EXPECT_COLOR_NEAR(ReadPixel(x, y), column < 4 ? Red : Green, 1);
    }
  }
  EXPECT_COLOR_NEAR(ReadPixel(16, 128), Black, 1);
  device->SetTexture(0, nullptr);
  halves->Release();
}

TEST_F(PicturePixelTest, AGridIsNotRewrittenBeyondItsBufferOrWithoutCells) {
  Clear(Black);
  GridMesh grid;
  grid.columns = grid.rows = 8;
  grid.CreateVertexBuffer(81, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  grid.primitiveType = D3DPT_TRIANGLELIST;
  grid.CreateIndexBuffer();
  grid.FillFromQuad(ScreenQuad::Rectangle(64, 64, 192, 192));
  for (int cells : {10, 0}) {  // 10 x 10 cells need 121 vertices; 0 cells none
    grid.columns = grid.rows = cells;
    grid.FillFromQuad(ScreenQuad::Rectangle(0, 0, Width, Height));
  }
  grid.columns = grid.rows = 8;
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TFACTOR);
  device->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFFFFFF);
  device->BeginScene();
  grid.Bind();
  grid.DrawIndexed();
  device->EndScene();
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), White, 1);  // the first fill stands
  EXPECT_COLOR_NEAR(ReadPixel(32, 32), Black, 1);
}

}  // namespace
