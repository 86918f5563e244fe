// The glass-ball light on a real device: the lens shows the scene under the ball magnified, the
// gradient background shows outside the ball's circle, the stand and the letterbox bars show, and
// its textures come out in their formats.
#include "tests/support/light_device_test.h"

#include "show/lights/glass_ball_textures.h"
#include "show/lights/kq_glass_ball_light.h"

namespace {

using namespace scene_testing;
using testing_support::ColorNear;

const FileLinkKey DiscPicture{L"disc picture", 1};
constexpr int DiscRadius = 24;

bool IsRed(D3DCOLOR c) { return ColorNear(c, Red, 60); }
bool IsGreen(D3DCOLOR c) { return ColorNear(c, Green, 60); }

class GlassBallLightTest : public LightDeviceTest {
protected:
  // A red disc in the middle of a blue square picture, and a light with a plain green gradient,
  // no overlays and a still ball.
  std::unique_ptr<KQ_GlassBallLight> DiscLight(unsigned ballSize, unsigned magnification) {
    ProvidePicture(DiscPicture, Width, Height, [](UINT x, UINT y) {
      const int dx = static_cast<int>(x) - 128, dy = static_cast<int>(y) - 128;
      return dx * dx + dy * dy < DiscRadius * DiscRadius ? 0xFFFF0000 : 0xFF0000FF;
    });
    auto light = std::make_unique<KQ_GlassBallLight>();
    light->pictureLink.Store(DiscPicture);
    light->ballSize = ballSize;
    light->magnification = magnification;
    light->overlayAOn = 0;
    light->overlayBOn = 0;
    light->motionMode = 0;
    light->gradientTop = 0x0000FF00;
    light->gradientBottom = 0x0000FF00;
    return light;
  }

  // Red pixels on the middle row: the disc's width as shown.
  int RedWidthOnCentreRow() {
    const std::vector<D3DCOLOR> pixels = ReadBackBuffer();
    return CountPixels(pixels, Width, 0, Height / 2, Width, Height / 2 + 1, IsRed);
  }

  void Capture(const wchar_t* name) {
    for (int frame = 0; frame < 2; ++frame) RenderFrame(0.1f * frame);
    SaveBackBuffer(name);
  }
};

TEST_F(GlassBallLightTest, TheLensMagnifiesTheSceneInsideItsCircle) {
  StartSlide(DiscLight(100, 0));
  Capture(L"glass_ball_lens.png");
  const int shown = RedWidthOnCentreRow();
  // A lens scale of 1.56 widens the disc's 48 pixels; the sphere's bump map pulls the rim back.
  EXPECT_GT(shown, 2 * DiscRadius + 4) << "red pixels on the centre row";
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Red, 40);
  EXPECT_COLOR_NEAR(ReadPixel(128, 90), Blue, 40);
  // The corners lie outside the ball's circle: the background covers them.
  for (POINT corner : {POINT{4, 4}, POINT{251, 4}, POINT{4, 251}, POINT{251, 251}}) {
    EXPECT_COLOR_NEAR(ReadPixel(corner.x, corner.y), Green, 8) << corner.x << ", " << corner.y;
  }
}

TEST_F(GlassBallLightTest, MagnificationEnlargesTheLensContent) {
  StartSlide(DiscLight(100, 100));
  Capture(L"glass_ball_magnified.png");
  // Half as much again as the plain lens, whose disc is about 55 pixels wide.
  EXPECT_GT(RedWidthOnCentreRow(), 70);
}

TEST_F(GlassBallLightTest, ASmallerBallShowsTheBackgroundAroundIt) {
  StartSlide(DiscLight(50, 0));
  Capture(L"glass_ball_small.png");
  const std::vector<D3DCOLOR> pixels = ReadBackBuffer();
  // A ball of half size has a radius of about 80 pixels: the middle of each edge is background.
  EXPECT_TRUE(IsGreen(pixels[128 * Width + 20]));
  EXPECT_TRUE(IsGreen(pixels[20 * Width + 128]));
  EXPECT_FALSE(IsGreen(pixels[128 * Width + 80]));
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Red, 40);
}

TEST_F(GlassBallLightTest, BuildsItsTexturesInTheirFormatsWithEveryGradientLevelFilled) {
  struct Case {
    const char* what;
    std::function<HRESULT(IDirect3DTexture9**)> build;
    D3DFORMAT format;
    UINT size;
  } cases[] = {
      {"bump", BuildBumpTexture, D3DFMT_V16U16, 256},
      {"mask", BuildMaskTexture, D3DFMT_A8, 1024},
      {"gradient", [](IDirect3DTexture9** t) { return BuildGradientTexture(t, 0xFF, 0xFF); },
       D3DFMT_A8R8G8B8, 256},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3D_OK, c.build(&texture));
    D3DSURFACE_DESC desc;
    texture->GetLevelDesc(0, &desc);
    EXPECT_EQ(c.format, desc.Format);
    EXPECT_EQ(c.size, desc.Width);
    EXPECT_EQ(D3DPOOL_MANAGED, desc.Pool);
    ReleaseAndNull(&texture);
  }
  // A background shown small samples the lower levels: each one holds the gradient too.
  IDirect3DTexture9* gradient = nullptr;
  ASSERT_EQ(D3D_OK, BuildGradientTexture(&gradient, 0x000000FF, 0x000000FF));
  EXPECT_GT(gradient->GetLevelCount(), 1u);
  for (UINT level = 0; level < gradient->GetLevelCount(); ++level) {
    D3DLOCKED_RECT locked;
    ASSERT_EQ(D3D_OK, gradient->LockRect(level, &locked, nullptr, D3DLOCK_READONLY));
    EXPECT_EQ(0x00FF0000u, *static_cast<const DWORD*>(locked.pBits)) << "level " << level;
    gradient->UnlockRect(level);
  }
  ReleaseAndNull(&gradient);
}

TEST_F(GlassBallLightTest, TheStandDrawsUnderTheBall) {
  D3DCOLOR underTheBall[2];
  for (int standOn = 0; standOn < 2; ++standOn) {
    auto light = std::make_unique<KQ_GlassBallLight>();  // the pack's picture and images
    light->standOn = standOn;
    light->ballSize = 60;
    light->gradientTop = 0x00402010;
    light->gradientBottom = 0x00FFC080;
    StartSlide(std::move(light));
    Capture(standOn ? L"glass_ball_stand.png" : L"glass_ball_gradient.png");
    underTheBall[standOn] = ReadPixel(128, 240);
  }
  // Without the stand the gradient's lower rows show there; with it, its wooden base.
  EXPECT_COLOR_NEAR(underTheBall[0], D3DCOLOR_XRGB(0x7B, 0xB9, 0xF4), 12);
  EXPECT_FALSE(ColorNear(underTheBall[1], underTheBall[0], 40));
}

TEST_F(GlassBallLightTest, TheBackgroundImageInFitIsLetterboxedByBars) {
  struct Case {
    int backgroundMode;
    bool barAtTop;
  } cases[] = {{1, true}, {0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.backgroundMode);
    auto light = std::make_unique<KQ_GlassBallLight>();
    light->backgroundMode = c.backgroundMode;
    light->gradientTop = 0x00FFFFFF;
    light->gradientBottom = 0x00FFFFFF;
    StartSlide(std::move(light), PositionFit);
    Capture(c.backgroundMode ? L"glass_ball_image.png" : L"glass_ball_white.png");
    // The pack's 4:3 picture fitted into the square target leaves a band above and below.
    EXPECT_EQ(c.barAtTop, ColorNear(ReadPixel(128, 6), Black, 4));
    EXPECT_EQ(c.barAtTop, ColorNear(ReadPixel(128, 250), Black, 4));
    EXPECT_FALSE(ColorNear(ReadPixel(4, 128), Black, 4));
  }
}

TEST_F(GlassBallLightTest, APushedTargetSizeIsUndoneByItsPop) {
  auto light = DiscLight(100, 0);
  light->backgroundMode = 1;
  StartSlide(std::move(light), PositionFit);
  auto& ball = static_cast<KQ_GlassBallLight&>(Light());
  const float eye = ball.Lens().eyeDistance;
  PingPongTarget glowTarget;
  glowTarget.width = 64;
  glowTarget.height = 32;
  ball.PushTargetSize(glowTarget, PositionCaptureStretch);
  EXPECT_EQ(64, ball.TargetWidth());
  EXPECT_EQ(PositionCaptureStretch, ball.LayoutPosition());
  ball.PopTargetSize();
  EXPECT_EQ(static_cast<int>(Width), ball.TargetWidth());
  EXPECT_EQ(static_cast<int>(Height), ball.TargetHeight());
  EXPECT_EQ(PositionFit, ball.LayoutPosition());
  EXPECT_FLOAT_EQ(eye, ball.Lens().eyeDistance);
  // The next frame lays the ball out at the back buffer's size again.
  RenderFrame(0.5f);
  EXPECT_EQ(static_cast<int>(Width), ball.TargetWidth());
}

}  // namespace
