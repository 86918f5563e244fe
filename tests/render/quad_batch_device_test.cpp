// The glyph quad batch on a device: its chunks of 16-bit indices, its corner and uv order, and
// quads drawn where their corners are.
#include "tests/support/scene_device_test.h"

#include "render/kq_quad_batch.h"

namespace {

using namespace scene_testing;

class QuadBatchTest : public SceneDeviceTest {
protected:
  // Blending as the code-rain light draws its glyphs: source alpha over what is there.
  void SetGlyphBlending() {
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  }
};

TEST_F(QuadBatchTest, SplitsIntoChunksOf16383QuadsThatAllShareTheTexture) {
  IDirect3DTexture9* texture = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFF; });
  struct Case {
    int quads;
    std::vector<UINT> vertices;  // per chunk
  } cases[] = {{1, {4}}, {16383, {65532}}, {16384, {65532, 4}}, {40000, {65532, 65532, 4 * (40000 - 2 * 16383)}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quads);
    KQ_QuadBatch batch;
    batch.SetTexture(texture);  // before the count: later chunks still get it
    batch.SetQuadCount(c.quads);
    ASSERT_EQ(c.vertices.size(), batch.Chunks().size());
    for (size_t k = 0; k < c.vertices.size(); ++k) {
      const auto& chunk = batch.Chunks()[k];
      EXPECT_EQ(c.vertices[k], chunk.vertexCount);
      EXPECT_EQ(c.vertices[k] / 2, chunk.triangleCount);
      EXPECT_EQ(texture, chunk.texture);
      EXPECT_NE(nullptr, chunk.indexBuffer);
    }
  }
  ReleaseAndNull(&texture);
}

TEST_F(QuadBatchTest, IndicesMakeTwoTrianglesPerQuadFromItsFourCorners) {
  KQ_QuadBatch batch;
  batch.SetQuadCount(3);
  auto chunk = batch.Chunks()[0];
  const WORD* indices = chunk.LockIndices();
  ASSERT_NE(nullptr, indices);
  const WORD expected[] = {8, 9, 10, 10, 9, 11};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(expected[i], indices[12 + i]);
  chunk.UnlockIndices();
}

TEST_F(QuadBatchTest, QuadsAreDrawnFromCentreAndHalfAxesWithTheirUvAndColour) {
  // Top half of the texture red, bottom half green; the quads show one half each.
  IDirect3DTexture9* texture =
      MakeTexture(1, 2, [](UINT, UINT y) { return y == 0 ? 0xFFFF0000 : 0xFF00FF00; });
  KQ_QuadBatch batch;
  batch.SetQuadCount(3);
  batch.SetTexture(texture);
  batch.LockAll();
  batch.SetQuadCorners(0, {64, 64, 0}, {32, 0, 0}, {0, 16, 0});
  batch.SetQuadUV(0, 0, 1, 0, 0.5f);
  batch.SetQuadColour(0, 0xFFFFFFFF);
  batch.SetQuadCorners(1, {192, 192, 0}, {16, 0, 0}, {0, 32, 0});
  batch.SetQuadUV(1, 0, 1, 0.5f, 1);
  batch.SetQuadColour(1, 0xFFFFFFFF);
  batch.SetQuadColour(7, 0xFFFFFFFF);  // beyond the count: ignored
  batch.UnlockAll();  // quad 2 was never set: colour 0, invisible when blended

  Clear(Black);
  SetGlyphBlending();
  device->BeginScene();
  batch.Draw();
  device->EndScene();
  EXPECT_COLOR_NEAR(ReadPixel(64, 64), Red, 1);
  EXPECT_COLOR_NEAR(ReadPixel(34, 50), Red, 1);
  EXPECT_COLOR_NEAR(ReadPixel(64, 84), Black, 1);  // below its 16-pixel half height
  EXPECT_COLOR_NEAR(ReadPixel(192, 170), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(170, 192), Black, 1);  // beyond its 16-pixel half width
  EXPECT_COLOR_NEAR(ReadPixel(2, 2), Black, 1);      // the unset quad sits at the origin
  ReleaseAndNull(&texture);
}

// Quads 0, 16382 and 16383 (the last of the first chunk and the first of the second) are green,
// each at a spot of its own; every other quad is transparent (alpha 0, colour kept, as the rain
// leaves the quads it has no glyph for) and piled on one more spot.
TEST_F(QuadBatchTest, DrawsOnlyTheFirstQuadsAndTheTransparentOnesChangeNoPixel) {
  IDirect3DTexture9* texture = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFF; });
  const int count = 16386;
  const D3DXVECTOR3 spots[] = {{32, 32, 0}, {96, 32, 0}, {160, 32, 0}};
  const int spotQuads[] = {0, 16382, 16383};
  const D3DXVECTOR3 pile(32, 96, 0);
  KQ_QuadBatch batch;
  batch.SetQuadCount(count);
  batch.SetTexture(texture);
  batch.LockAll();
  for (int i = 0; i < count; ++i) {
    batch.SetQuadCorners(i, pile, {8, 0, 0}, {0, 8, 0});
    batch.SetQuadUV(i, 0, 1, 0, 1);
    batch.SetQuadColour(i, 0x00FF00FF);
  }
  for (int k = 0; k < 3; ++k) {
    batch.SetQuadCorners(spotQuads[k], spots[k], {8, 0, 0}, {0, 8, 0});
    batch.SetQuadColour(spotQuads[k], 0xFF00FF00);
  }
  batch.UnlockAll();

  const D3DCOLOR background = 0xFF404040;
  struct Case {
    int quads;
    bool spotDrawn[3];
  } cases[] = {{0, {false, false, false}},
               {1, {true, false, false}},
               {16383, {true, true, false}},
               {16384, {true, true, true}},
               {count, {true, true, true}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quads);
    Clear(background);
    SetGlyphBlending();
    device->BeginScene();
    batch.Draw(c.quads);
    device->EndScene();
    for (int k = 0; k < 3; ++k) {
      const D3DCOLOR expected = c.spotDrawn[k] ? Green : background;
      EXPECT_COLOR_NEAR(ReadPixel(static_cast<UINT>(spots[k].x), 32), expected, 0) << k;
    }
    // Under the pile of transparent quads the background is exactly as it was.
    EXPECT_COLOR_NEAR(ReadPixel(32, 96), background, 0);
  }
  ReleaseAndNull(&texture);
}

}  // namespace
