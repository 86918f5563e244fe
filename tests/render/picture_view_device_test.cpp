// The picture view applied to a real device: the transforms Setup sets, what a picture drawn
// through them looks like in each position with its bars, the camera, and bars that belong to
// the device they are drawn on.
#include "tests/support/scene_device_test.h"

#include <utility>

#include "render/color_quad.h"
#include "render/matrices.h"
#include "render/picture_layout.h"

namespace {

using namespace scene_testing;


class PictureViewDeviceTest : public SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    UseBlendedVertexColours();
  }

  // A 128 x 256 picture: its top quarter green, the rest red.
  void DrawPortraitPicture(const PictureView& view) {
    ColorQuad top, rest;
    top.SetRect(0xFF00FF00, ScreenQuad::Rectangle(0, 0, 128, 64));
    rest.SetRect(0xFFFF0000, ScreenQuad::Rectangle(0, 64, 128, 256));
    view.SetWorld(Identity());
    for (const ColorQuad* quad : {&top, &rest}) {
      quad->Bind();
      quad->Draw();
    }
  }

  D3DCOLOR ReadPixelOf(IDirect3DDevice9* other, UINT x, UINT y) {
    std::swap(device, other);
    const D3DCOLOR color = ReadPixel(x, y);
    std::swap(device, other);
    return color;
  }

  const TextureEntry portrait{nullptr, 128, 256, 2.0f};
};

TEST_F(PictureViewDeviceTest, SetupSetsTheBaseMatricesOnTheDevice) {
  PictureView view;
  view.Setup(Width, Height, portrait, PositionFill, false);
  D3DXMATRIX world, viewMatrix, projection;
  device->GetTransform(D3DTS_WORLD, &world);
  device->GetTransform(D3DTS_VIEW, &viewMatrix);
  device->GetTransform(D3DTS_PROJECTION, &projection);
  EXPECT_TRUE(world == view.world);
  EXPECT_TRUE(world == Identity());
  EXPECT_TRUE(viewMatrix == view.view);
  EXPECT_TRUE(projection == view.projection);
}

TEST_F(PictureViewDeviceTest, ThePictureIsPlacedByPositionWithBarsInFitOnly) {
  struct Case {
    const char* name;
    int position;
    D3DCOLOR top, side, centre;  // at (128, 10), (32, 128), (128, 128)
  };
  const Case cases[] = {
      {"fit: centred with black bars", PositionFit, Green, Black, Red},
      {"stretch: widened to the sides", PositionStretch, Green, Red, Red},
      {"fill: enlarged, the top quarter cropped", PositionFill, Red, Red, Red},
      {"capture stretch: as stretch, no bars", PositionCaptureStretch, Green, Red, Red},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CurrentPictureView().ResetBars();
    CurrentPictureView().Setup(Width, Height, portrait, c.position, false);
    Clear(Blue);
    device->BeginScene();
    DrawPortraitPicture(CurrentPictureView());
    CurrentPictureView().DrawBars();
    device->EndScene();
    EXPECT_COLOR_NEAR(ReadPixel(128, 10), c.top, 1);
    EXPECT_COLOR_NEAR(ReadPixel(32, 128), c.side, 1);
    EXPECT_COLOR_NEAR(ReadPixel(128, 128), c.centre, 1);
    EXPECT_COLOR_NEAR(ReadPixel(250, 250), c.side, 1);
  }
}

TEST_F(PictureViewDeviceTest, BarsAreDrawnInFitOnlyAndLeaveTheTextureArgumentsOnTexture) {
  for (int position : {0, 1, 2, 3, 7}) {
    SCOPED_TRACE(position);
    CurrentPictureView().Setup(Width, Height, portrait, position, false);
    CurrentPictureView().ResetBars();  // bars over the whole back buffer
    Clear(Blue);
    device->BeginScene();
    CurrentPictureView().DrawBars();
    device->EndScene();
    const bool drawn = position == PositionFit;
    EXPECT_COLOR_NEAR(ReadPixel(128, 128), drawn ? Black : Blue, 1);
    // Diffuse arguments from UseBlendedVertexColours: left alone when nothing is drawn.
    const DWORD expectedArgument = drawn ? D3DTA_TEXTURE : D3DTA_DIFFUSE;
    DWORD colorArg = 0, alphaArg = 0;
    device->GetTextureStageState(0, D3DTSS_COLORARG1, &colorArg);
    device->GetTextureStageState(0, D3DTSS_ALPHAARG1, &alphaArg);
    EXPECT_EQ(expectedArgument, colorArg);
    EXPECT_EQ(expectedArgument, alphaArg);
    UseBlendedVertexColours();
  }
}

TEST_F(PictureViewDeviceTest, TheCameraZoomsThePictureExceptWhileCapturing) {
  const TextureEntry square{nullptr, Width, Height, 1.0f};
  ColorQuad corner;
  corner.SetRect(0xFF00FF00, ScreenQuad::Rectangle(0, 0, 64, 64));
  struct Case {
    int position;
    D3DCOLOR at100;
  };
  const Case cases[] = {{PositionFit, Green}, {PositionCaptureStretch, Blue}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    PictureView view;
    view.Setup(Width, Height, square, c.position, false);
    view.SetPanZoom(2, -1, -1);  // twice the size, the top-left corner held
    Clear(Blue);
    device->BeginScene();
    view.SetWorld(Identity());
    corner.Bind();
    corner.Draw();
    device->EndScene();
    EXPECT_COLOR_NEAR(ReadPixel(32, 32), Green, 1);
    EXPECT_COLOR_NEAR(ReadPixel(100, 100), c.at100, 1);
  }
}

TEST_F(PictureViewDeviceTest, EachDeviceDrawsOnlyItsOwnBars) {
  D3DPRESENT_PARAMETERS parameters = PresentParameters();
  IDirect3DDevice9* other = nullptr;
  ASSERT_EQ(D3D_OK, d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &other));

  CurrentDevice = device;
  CurrentPictureView().ResetBars();
  CurrentDevice = other;
  CurrentPictureView().ResetBars();
  // Only `other`'s bars move.
  CurrentPictureView().Setup(Width, Height, portrait, PositionFit, false);

  for (IDirect3DDevice9* owner : {device, other}) {
    const PictureView::Bars* bars = CurrentPictureView().BarsOf(owner);
    ASSERT_NE(nullptr, bars);
    for (const ColorScreenQuad& bar : *bars) {
      IDirect3DDevice9* creator = nullptr;
      bar.vertexBuffer->GetDevice(&creator);
      EXPECT_EQ(owner, creator);
      creator->Release();
    }
  }

  for (IDirect3DDevice9* target : {device, other}) {
    CurrentDevice = target;
    target->Clear(0, nullptr, D3DCLEAR_TARGET, Blue, 1.0f, 0);
    target->BeginScene();
    CurrentPictureView().DrawBars();
    target->EndScene();
  }
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Black, 1);  // still a bar over the whole back buffer
  EXPECT_COLOR_NEAR(ReadPixelOf(other, 128, 128), Blue, 1);  // between the fitted bars
  EXPECT_COLOR_NEAR(ReadPixelOf(other, 32, 128), Black, 1);

  CurrentPictureView().ReleaseDeviceObjects(other);
  EXPECT_EQ(nullptr, CurrentPictureView().BarsOf(other));
  CurrentDevice = other;
  other->Clear(0, nullptr, D3DCLEAR_TARGET, Blue, 1.0f, 0);
  other->BeginScene();
  CurrentPictureView().DrawBars();
  other->EndScene();
  EXPECT_COLOR_NEAR(ReadPixelOf(other, 32, 128), Blue, 1);
  CurrentDevice = device;
  EXPECT_EQ(0u, other->Release());
}

}  // namespace
