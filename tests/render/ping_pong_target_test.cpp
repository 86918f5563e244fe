// The render-to-texture pair on a real device: redirection and its undoing, the flip's
// alternation and clear, copies, a failed creation, and that nothing of the pair (or of the
// other scene objects) stands in the way of a device reset.
#include "tests/support/scene_device_test.h"

#include "render/color_screen_quad.h"
#include "render/picture_layout.h"
#include "render/ping_pong_target.h"
#include "render/textured_quad.h"

namespace {

using scene_testing::SceneDeviceTest;

const D3DCOLOR OpaqueRed = 0xFFFF0000;
const D3DCOLOR OpaqueBlack = 0xFF000000;

class PingPongTargetTest : public SceneDeviceTest {
protected:
  IDirect3DSurface9* RenderTarget() {
    IDirect3DSurface9* surface = nullptr;
    device->GetRenderTarget(0, &surface);
    if (surface) surface->Release();  // only its identity is compared
    return surface;
  }
  IDirect3DSurface9* DepthStencil() {
    IDirect3DSurface9* surface = nullptr;
    device->GetDepthStencilSurface(&surface);
    if (surface) surface->Release();
    return surface;
  }
  IDirect3DSurface9* LevelZero(IDirect3DTexture9* texture) {
    IDirect3DSurface9* surface = nullptr;
    texture->GetSurfaceLevel(0, &surface);
    surface->Release();
    return surface;
  }
  void ClearTarget(D3DCOLOR color) { device->Clear(0, nullptr, D3DCLEAR_TARGET, color, 1.0f, 0); }
};

TEST_F(PingPongTargetTest, CreatesTwoDefaultPoolRenderTargetsOneOfThemCurrent) {
  PingPongTarget target;
  ASSERT_EQ(D3D_OK, target.Create(64, 32));
  ASSERT_TRUE(target.HasTextures());
  EXPECT_EQ(target.textures[0], target.current);
  EXPECT_NE(target.textures[0], target.textures[1]);
  D3DSURFACE_DESC desc;
  target.textures[1]->GetLevelDesc(0, &desc);
  EXPECT_EQ(64u, desc.Width);
  EXPECT_EQ(32u, desc.Height);
  EXPECT_EQ(D3DFMT_A8R8G8B8, desc.Format);
  EXPECT_EQ(static_cast<DWORD>(D3DUSAGE_RENDERTARGET), desc.Usage);
  EXPECT_EQ(D3DPOOL_DEFAULT, desc.Pool);
  EXPECT_EQ(1u, target.textures[1]->GetLevelCount());
}

TEST_F(PingPongTargetTest, BeginRedirectsWithoutDepthAndEndPutsTheBackBufferBack) {
  IDirect3DSurface9* backBuffer = RenderTarget();
  IDirect3DSurface9* depth = DepthStencil();
  ASSERT_NE(nullptr, depth);
  PingPongTarget target;
  target.Create(64, 64);

  target.Begin(target.current);
  EXPECT_EQ(LevelZero(target.current), RenderTarget());
  EXPECT_EQ(nullptr, DepthStencil());
  ClearTarget(OpaqueRed);
  target.End();

  EXPECT_EQ(backBuffer, RenderTarget());
  EXPECT_EQ(depth, DepthStencil());
  EXPECT_EQ(nullptr, target.savedTarget);
  EXPECT_EQ(nullptr, target.savedDepth);
  EXPECT_EQ(OpaqueRed, ReadTexel(target.current, 10, 10));
}

TEST_F(PingPongTargetTest, FlipsAlternateAndHandOutTheTextureDrawnSoFar) {
  PingPongTarget target;
  target.Create(32, 32);
  IDirect3DTexture9* const first = target.textures[0];
  IDirect3DTexture9* const second = target.textures[1];
  target.Begin(target.current);
  ClearTarget(OpaqueRed);

  EXPECT_EQ(first, target.Flip());
  EXPECT_EQ(1, target.index);
  EXPECT_EQ(second, target.current);
  EXPECT_EQ(LevelZero(second), RenderTarget());
  EXPECT_EQ(OpaqueRed, ReadTexel(first, 5, 5));  // the drawing so far
  EXPECT_EQ(OpaqueBlack, ReadTexel(second, 5, 5));  // the fresh target, cleared opaque black

  EXPECT_EQ(second, target.Flip());
  EXPECT_EQ(0, target.index);
  EXPECT_EQ(first, target.current);
  target.End();
}

TEST_F(PingPongTargetTest, ACopyStartsFromTheSourcesPicture) {
  IDirect3DTexture9* source = MakeTexture(16, 16, [](UINT x, UINT) {
    return x < 8 ? 0xFF2080C0u : 0xFFC08020u;
  });
  PingPongTarget target;
  ASSERT_EQ(D3D_OK, target.CreateCopyOf(source, 16, 16));
  EXPECT_COLOR_NEAR(ReadTexel(target.current, 2, 8), 0xFF2080C0, 1);
  EXPECT_COLOR_NEAR(ReadTexel(target.current, 13, 8), 0xFFC08020, 1);
  source->Release();

  EXPECT_EQ(D3D_OK, target.CreateCopyOf(nullptr, 8, 8));
  EXPECT_TRUE(target.HasTextures());
  EXPECT_EQ(8, target.width);
}

TEST_F(PingPongTargetTest, AFailedCreationLeavesNoTextureAndTheBackBufferInPlace) {
  D3DCAPS9 caps;
  device->GetDeviceCaps(&caps);
  const int tooWide = static_cast<int>(caps.MaxTextureWidth) * 2;
  IDirect3DSurface9* backBuffer = RenderTarget();
  PingPongTarget target;
  target.Create(32, 32);

  EXPECT_TRUE(FAILED(target.Create(tooWide, 16)));
  EXPECT_FALSE(target.HasTextures());
  EXPECT_EQ(nullptr, target.textures[0]);
  EXPECT_EQ(nullptr, target.textures[1]);

  // Nothing to render into: capture leaves the device drawing on the back buffer.
  target.Begin(target.current);
  EXPECT_EQ(backBuffer, RenderTarget());
  EXPECT_EQ(nullptr, target.Flip());
  EXPECT_EQ(backBuffer, RenderTarget());
  target.End();
  EXPECT_EQ(backBuffer, RenderTarget());
  EXPECT_NE(nullptr, DepthStencil());
}

TEST_F(PingPongTargetTest, ADeviceResetIsRefusedWhileTheTexturesLiveAndAcceptedAfterRelease) {
  PingPongTarget target;
  target.Create(64, 64);
  EXPECT_EQ(D3DERR_INVALIDCALL, ResetDevice());  // the device's own leak detector works

  target.Release();
  EXPECT_EQ(D3D_OK, ResetDevice());
  EXPECT_EQ(D3D_OK, target.Create(64, 64));
  EXPECT_TRUE(target.HasTextures());
}

TEST_F(PingPongTargetTest, ReleasingInTheMiddleOfACaptureLeavesNothingBehindEither) {
  PingPongTarget target;
  target.Create(64, 64);
  target.Begin(target.current);
  target.Flip();  // the device now renders into the second texture

  target.Release();
  EXPECT_EQ(D3D_OK, ResetDevice());
}

TEST_F(PingPongTargetTest, TheOtherSceneObjectsSurviveAReset) {
  CurrentPictureView().ResetBars();
  ColorScreenQuad fade;
  fade.SetRectAndColor(0, ScreenQuad::FullScreen());
  TexturedQuad splash;
  splash.SetRectUntextured(ScreenQuad::CenteredSquare(Width, Height));
  PingPongTarget target;
  target.Create(Width, Height);
  target.Begin(target.current);
  target.End();

  target.Release();
  ASSERT_EQ(D3D_OK, ResetDevice());
  EXPECT_NE(nullptr, fade.LockVertices());  // managed buffers are kept across the reset
  fade.UnlockVertices();
}

}  // namespace
