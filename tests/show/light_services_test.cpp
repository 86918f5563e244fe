// The light's drawing services on a real device: how sprites blend, how mesh parts and mesh
// frames are culled and blended, what a pushed target size leaves behind when it is popped, and
// the cleared end of a capture on a device without depth buffer.
#include <gtest/gtest.h>

#include "render/picture_layout.h"
#include "tests/show/show_device_test.h"

namespace {

using namespace show_testing;
using scene_testing::Black;

constexpr D3DCOLOR Background = D3DCOLOR_XRGB(0, 0, 128);

class LightServicesTest : public ShowDeviceTest {
protected:
  void SetUp() override {
    ShowDeviceTest::SetUp();
    // A light on a 256 x 256 picture: picture pixels are back-buffer pixels.
    light.InitDeviceObjects();
    light.UsePicture(SolidTexture(4, 4, 0xFF808080), Width, Height);
    light.Resize(Width, Height);
    light.RestoreDeviceObjects();
  }

  // A quad over picture pixels [left, right] x [top, bottom], as two clockwise triangles.
  template <class Mesh, class Fill>
  void MakeQuad(Mesh& mesh, float left, float top, float right, float bottom, Fill fill) {
    mesh.CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
    mesh.CreateIndexBuffer(6, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
    mesh.primitiveType = D3DPT_TRIANGLELIST;
    mesh.triangleCount = 2;
    const float corners[4][4] = {{left, top, 0, 0}, {right, top, 1, 0}, {right, bottom, 1, 1},
                                 {left, bottom, 0, 1}};
    if (auto* vertices = mesh.LockVertices()) {
      for (int i = 0; i < 4; ++i) fill(vertices[i], corners[i]);
      mesh.UnlockVertices();
    }
    if (WORD* indices = mesh.LockIndices()) {
      const WORD clockwise[6] = {0, 1, 2, 0, 2, 3};
      std::copy(clockwise, clockwise + 6, indices);
      mesh.UnlockIndices();
    }
  }

  void MakeSpriteQuad(KQ_IndexedMesh<DX_V::PCT>& mesh, D3DCOLOR vertexColour) {
    MakeQuad(mesh, 64, 64, 192, 192, [&](DX_V::PCT& v, const float* c) {
      v = {c[0], c[1], 0, vertexColour, c[2], c[3]};
    });
  }

  template <class Mesh>
  void MakeMeshQuad(Mesh& mesh, float left, float right) {
    MakeQuad(mesh, left, 64, right, 192, [](DX_V::PNT& v, const float* c) {
      v = {c[0], c[1], 0, 0, 0, -1, c[2], c[3]};
    });
  }

  template <class Draw>
  void DrawOnBackground(Draw draw) {
    Clear(Background);
    device->BeginScene();
    draw();
    device->EndScene();
  }

  LoggingLight light;
};

TEST_F(LightServicesTest, SpritesAddTheirLightOnlyWithoutASecondTexture) {
  KQ_IndexedMesh<DX_V::PCT> sprites;
  MakeSpriteQuad(sprites, 0x80FFFFFF);  // half transparent
  IDirect3DTexture9* red = SolidTexture(4, 4, 0xFFFF0000);
  IDirect3DTexture9* green = SolidTexture(4, 4, 0xFF00FF00);
  struct Case {
    const char* name;
    bool additive;
    IDirect3DTexture9* second;
    D3DCOLOR expected;
  } cases[] = {
      {"blended", false, nullptr, D3DCOLOR_XRGB(128, 0, 64)},
      {"additive", true, nullptr, D3DCOLOR_XRGB(128, 0, 128)},
      // The first pass blends as usual; the second adds the second texture's colour.
      {"additive with a second texture", true, green, D3DCOLOR_XRGB(128, 128, 64)},
      {"blended with a second texture", false, green, D3DCOLOR_XRGB(64, 128, 32)},
  };
  for (const Case& c : cases) {
    DrawOnBackground([&] { light.DrawSprites({sprites, red, c.second, c.additive}); });
    EXPECT_COLOR_NEAR(ReadPixel(128, 128), c.expected, 3) << c.name;
    EXPECT_COLOR_NEAR(ReadPixel(32, 32), Background, 0) << c.name;
    DWORD blending = TRUE, destination = 0;
    device->GetRenderState(D3DRS_ALPHABLENDENABLE, &blending);
    device->GetRenderState(D3DRS_DESTBLEND, &destination);
    EXPECT_EQ(FALSE, blending);
    EXPECT_EQ(static_cast<DWORD>(D3DBLEND_INVSRCALPHA), destination);
  }
}

TEST_F(LightServicesTest, AMeshPartIsDrawnAtEachFrameAndBlendedTwiceOnlyWithItsFlag) {
  IDirect3DTexture9* halfRed = SolidTexture(4, 4, 0x80FF0000);
  KQ_Frame left, right;
  D3DXMatrixTranslation(&right.world, 128, 0, 0);
  struct Case {
    const char* name;
    BYTE blend;
    BYTE winding;  // 1: clockwise faces are the front ones
    std::vector<KQ_Frame*> frames;
    D3DCOLOR expectedLeft, expectedRight;
  } cases[] = {
      {"no frames", 0, 1, {}, Background, Background},
      {"opaque, front faces shown", 0, 1, {&left, &right}, D3DCOLOR_XRGB(255, 0, 0),
       D3DCOLOR_XRGB(255, 0, 0)},
      {"opaque, its faces culled", 0, 0, {&left}, Background, Background},
      {"blended: both faces, each drawn once", 1, 0, {&left}, D3DCOLOR_XRGB(128, 0, 64),
       Background},
  };
  for (const Case& c : cases) {
    MeshPart part;
    MakeMeshQuad(part, 16, 112);
    ShareReference(&part.texture, halfRed);
    part.flag = c.blend;
    part.frames = c.frames;
    left.windingFlag = right.windingFlag = c.winding;
    DrawOnBackground([&] { light.DrawMeshPart(part); });
    EXPECT_COLOR_NEAR(ReadPixel(64, 128), c.expectedLeft, 3) << c.name;
    EXPECT_COLOR_NEAR(ReadPixel(192, 128), c.expectedRight, 3) << c.name;
    DWORD cull = 0;
    device->GetRenderState(D3DRS_CULLMODE, &cull);
    EXPECT_EQ(static_cast<DWORD>(D3DCULL_NONE), cull);
  }
}

TEST_F(LightServicesTest, MeshFramesDrawTheMeshAtEveryChildWithTheTexturesAlpha) {
  TexturedIndexedMesh<DX_V::PNT> mesh;
  MakeMeshQuad(mesh, 16, 112);
  ShareReference(&mesh.texture, SolidTexture(4, 4, 0x80FF0000));
  mesh.frame.AddChild();
  D3DXMatrixTranslation(&mesh.frame.AddChild()->world, 128, 0, 0);
  DrawOnBackground([&] { light.DrawMeshFrames(mesh); });
  for (UINT x : {64u, 192u}) {
    EXPECT_COLOR_NEAR(ReadPixel(x, 128), D3DCOLOR_XRGB(128, 0, 64), 3) << "x " << x;
  }
  mesh.frame.DeleteChildren();
}

TEST_F(LightServicesTest, PoppingATargetSizeRestoresTheSizeAndPositionBeforeItsPush) {
  PingPongTarget small, smaller;
  small.width = small.height = 64;
  smaller.width = smaller.height = 16;
  light.PushTargetSize(small, PositionCaptureStretch);
  EXPECT_EQ(64, light.TargetWidth());
  EXPECT_EQ(PositionCaptureStretch, CurrentPictureView().position);
  light.PushTargetSize(smaller, PositionStretch);
  light.PopTargetSize();
  EXPECT_EQ(64, light.TargetWidth());
  EXPECT_EQ(PositionCaptureStretch, CurrentPictureView().position);
  light.PopTargetSize();
  light.PopTargetSize();  // one pop too many changes nothing
  EXPECT_EQ(static_cast<int>(Width), light.TargetWidth());
  EXPECT_EQ(static_cast<int>(Height), light.TargetHeight());
  // As before the first push, not the last.
  EXPECT_EQ(PositionFit, CurrentPictureView().position);
}

TEST_F(LightServicesTest, AClearedCaptureEndClearsATargetWithoutDepthBuffer) {
  IDirect3DSurface9* depth = nullptr;
  device->GetDepthStencilSurface(&depth);
  device->SetDepthStencilSurface(nullptr);
  Clear(Background);
  light.BeginSceneCapture();
  ASSERT_TRUE(light.IsCapturing());
  light.EndSceneCapture(true);
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Black, 0);
  device->SetDepthStencilSurface(depth);
  ReleaseAndNull(&depth);
}

}  // namespace
