// The glass ball's lens arithmetic without a device: eye distance and magnification, sway and
// scroll, the fitted background with its bars, and the ball's transforms.
#include <gtest/gtest.h>

#include <cmath>

#include "show/lights/glass_ball_lens.h"

namespace {

D3DXMATRIX Identity() {
  D3DXMATRIX m;
  D3DXMatrixIdentity(&m);
  return m;
}

TEST(GlassBallLens, ParametersFollowBallSizeMagnificationAndLayout) {
  struct Case {
    unsigned ballSize, magnification;
    float zoomX, fitShareY;
    float eye, scale, swayAmplitude;
  } cases[] = {
      {100, 0, 1, 1, -600, 1.5645f, 0.125f},
      {100, 0, 1, 600.0f / 602, -602, 1.5645f - 1.105f * 1.05f * (2.0f / 602), 0.125f},
      {50, 0, 1, 1, -960, (0.5f * 1.105f + 0.385f) * 1.05f, 0.125f},
      {100, 100, 1, 1, -600, 1.5645f * 1.5f, 0.1875f},
      {100, 0, 2, 1, -300, (2 * 1.105f + 0.385f) * 1.05f, 0.125f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.ballSize << " magnification "
                                    << c.magnification << " zoom " << c.zoomX);
    const LensParameters p = ComputeLensParameters(c.ballSize, c.magnification, c.zoomX, c.fitShareY);
    EXPECT_NEAR(c.eye, p.eyeDistance, 1e-3);
    EXPECT_NEAR(c.scale, p.lensScale, 1e-5);
    EXPECT_FLOAT_EQ(c.swayAmplitude, p.swayAmplitude);
  }
}

TEST(GlassBallLens, SwayIsATriangleWaveAndScrollCopiesTileTheScreen) {
  struct Case {
    float phase, sway, scrollMode1, scrollMode2;
  } cases[] = {
      {0, 1, 0, 0},
      {0.5f, 0, 0.75f, 0.25f},
      {1, -1, 0.5f, 0.5f},
      {1.5f, 0, 0.25f, 0.75f},
      {2, 1, 0, 0},
      {-0.5f, 0, 0.25f, 0.75f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phase);
    EXPECT_FLOAT_EQ(c.sway, SwayAtPhase(c.phase));
    EXPECT_FLOAT_EQ(c.scrollMode1, ScrollShare(1, c.phase));
    EXPECT_FLOAT_EQ(c.scrollMode2, ScrollShare(2, c.phase));
  }
}

TEST(GlassBallLens, AFittedBackgroundHasOnePixelMarginsWhereItTouchesTheTarget) {
  // A 4:3 background fitted into 800 x 600: it spans the height, with 0 margins top and bottom.
  const ScreenQuad fitted = ScreenQuad::FitImage(1024, 768, 800, 600);
  const BackgroundLayout layout = LayOutBackground(fitted, Identity(), 1024, 768);
  EXPECT_FLOAT_EQ(600.0f / 602, layout.fitShareY);
  EXPECT_FLOAT_EQ(800.0f / 802, layout.fitShareX);
  // Every bar is one pixel thick on the sides it does not cover.
  EXPECT_FLOAT_EQ(1, layout.bars[0].Right() - layout.bars[0].Left());
  EXPECT_FLOAT_EQ(1, layout.bars[2].Bottom() - layout.bars[2].Top());

  // A 2:1 background in 800 x 600 is letterboxed by 100 pixels above and below.
  const ScreenQuad wide = ScreenQuad::FitImage(1000, 500, 800, 600);
  const BackgroundLayout letterbox = LayOutBackground(wide, Identity(), 1000, 500);
  EXPECT_FLOAT_EQ(0, letterbox.bars[2].Top());
  EXPECT_FLOAT_EQ(101, letterbox.bars[2].Bottom());
  EXPECT_FLOAT_EQ(500, letterbox.bars[3].Top());
  EXPECT_FLOAT_EQ(601, letterbox.bars[3].Bottom());
  EXPECT_FLOAT_EQ(400.0f / 602, letterbox.fitShareY);
}

TEST(GlassBallLens, TheCameraZoomsTheBackgroundAboutItsCornerAndPansItInPixels) {
  D3DXMATRIX zoomPan = Identity();
  zoomPan._11 = 1.5f;
  zoomPan._22 = 1.5f;
  zoomPan._41 = -100;  // background pixels
  zoomPan._42 = -50;
  const ScreenQuad fitted = ScreenQuad::Rectangle(0, 0, 400, 300);
  const BackgroundLayout layout = LayOutBackground(fitted, zoomPan, 800, 600);
  EXPECT_FLOAT_EQ(-50, layout.panX);  // -100 background pixels at half scale
  EXPECT_FLOAT_EQ(-25, layout.panY);
  EXPECT_FLOAT_EQ(-50, layout.background.Left());
  EXPECT_FLOAT_EQ(-25, layout.background.Top());
  EXPECT_FLOAT_EQ(550, layout.background.Right());
  EXPECT_FLOAT_EQ(425, layout.background.Bottom());
}

LensView CentredView(UINT pictureWidth, UINT pictureHeight) {
  LensView v;
  v.lens = ComputeLensParameters(100, 0, 1, 1);
  v.drawWidth = v.targetWidth = 800;
  v.drawHeight = v.targetHeight = 600;
  v.pictureWidth = pictureWidth;
  v.pictureHeight = pictureHeight;
  v.backgroundWidth = 1024;
  v.backgroundHeight = 768;
  return v;
}

TEST(GlassBallLens, ACentredBallSitsOnTheAxisAndItsLensLooksAtTheSceneCentre) {
  LensView v = CentredView(1024, 768);
  const LensTransforms t = ComputeLensTransforms(v, true);
  EXPECT_FLOAT_EQ(0, t.world._41);
  EXPECT_FLOAT_EQ(0, t.world._42);
  EXPECT_FLOAT_EQ(600, t.view._43);  // the ball 600 ahead of the eye
  EXPECT_FLOAT_EQ(0.5f, t.texture._41);
  EXPECT_FLOAT_EQ(0.5f, t.texture._42);
  // Camera-space x at the ball's depth maps to the scene shrunk by the lens scale.
  D3DXMATRIX p2;
  D3DXMatrixPerspectiveFovLH(&p2, 0.7853982f, 1024.0f / 768, 1, 3000);
  const float den = 600 * 1.5645f * p2._33 + p2._34;
  EXPECT_NEAR(0.5f * p2._11 / den, t.texture._11, 1e-7);
  EXPECT_NEAR(-0.5f * p2._22 / den, t.texture._22, 1e-7);

  // The sway shifts the lens sideways by its amplitude, wrapped into [0.5, 1.5).
  v.sway = -1;
  EXPECT_FLOAT_EQ(1 - 0.125f + 0.5f, ComputeLensTransforms(v, true).texture._41);
}

TEST(GlassBallLens, PortraitAndMissingPicturesShiftTheLensLikeASquareOne) {
  LensView square = CentredView(600, 600);
  square.ballPosition = {120, -80};
  const float expected = ComputeLensTransforms(square, true).texture._41;
  for (UINT width : {300u, 0u}) {
    for (UINT height : {600u, 0u}) {
      LensView v = square;
      v.pictureWidth = width;
      v.pictureHeight = height;
      const LensTransforms t = ComputeLensTransforms(v, true);
      SCOPED_TRACE(testing::Message() << width << " x " << height);
      for (float entry : {t.texture._11, t.texture._22, t.texture._41, t.texture._42}) {
        EXPECT_TRUE(std::isfinite(entry));
      }
      EXPECT_FLOAT_EQ(expected, t.texture._41);
    }
  }
}

TEST(GlassBallLens, TheOtherPassUsesTheFitShareAndTheMaskPassUndoesTheCamera) {
  LensView v = CentredView(1024, 768);
  v.backgroundMode = 1;
  v.zoomX = v.zoomY = 2;
  v.panX = -80;
  v.panY = 60;
  const LensTransforms other = ComputeLensTransforms(v, false);
  const D3DXMATRIX mask = MaskTextureTransform(other.texture, v);
  EXPECT_FLOAT_EQ(other.texture._11 / 2, mask._11);
  EXPECT_FLOAT_EQ(other.texture._22 / 2, mask._22);
  EXPECT_FLOAT_EQ((0.5f + 80.0f / 800) / 2, mask._41);
  EXPECT_FLOAT_EQ((0.5f - 60.0f / 600) / 2, mask._42);
}

TEST(GlassBallLens, ABackgroundWithoutImagePansByItsPixelsAsOneByOne) {
  D3DXMATRIX pan = Identity();
  pan._41 = 0.25f;
  const BackgroundLayout layout =
      LayOutBackground(ScreenQuad::FitImage(0, 0, 256, 256), pan, 0, 0);
  EXPECT_FLOAT_EQ(64, layout.panX);
  EXPECT_FLOAT_EQ(0, layout.panY);
  EXPECT_TRUE(std::isfinite(layout.fitShareX));
}

}  // namespace
