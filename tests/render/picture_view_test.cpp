// The picture layout without a device: where the picture lands on the target in each position,
// the letterbox bars with their rounding, the matrices other code reads, the camera's pan and
// zoom, and the mapping of back-buffer points back into picture pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "render/matrices.h"
#include "render/picture_view.h"
#include "render/view_frame.h"

namespace {

struct Layout {
  int w, h;
  UINT pictureWidth, pictureHeight;
  int position;
  bool keepSize;
  float backBufferWidth, backBufferHeight;
};

void Apply(PictureView& view, const Layout& l) {
  view.Layout(l.w, l.h, l.pictureWidth, l.pictureHeight, l.position, l.keepSize,
              l.backBufferWidth, l.backBufferHeight);
}

// A picture-pixel point in target units, through the view's world chain.
D3DXVECTOR2 OnTarget(const PictureView& view, float x, float y) {
  const D3DXVECTOR3 point(x, y, 0);
  D3DXVECTOR3 out;
  const D3DXMATRIX transform = view.ItemTransform(Identity());
  D3DXVec3TransformCoord(&out, &point, &transform);
  return D3DXVECTOR2(out.x, out.y);
}

void ExpectNear(const D3DXVECTOR2& actual, float x, float y) {
  EXPECT_NEAR(actual.x, x, 1e-3f);
  EXPECT_NEAR(actual.y, y, 1e-3f);
}

bool AllFinite(const D3DXMATRIX& m) {
  for (int i = 0; i < 16; ++i) {
    if (!std::isfinite(static_cast<const float*>(m)[i])) return false;
  }
  return true;
}

const Layout Portrait = {400, 300, 100, 200, PositionFit, false, 400, 300};
const Layout Landscape = {400, 300, 200, 100, PositionFit, false, 400, 300};

TEST(PictureView, StartsInFitWithIdentityPlacementAndZeroBaseMatrices) {
  const PictureView view;
  EXPECT_EQ(PositionFit, view.position);
  EXPECT_TRUE(view.placement == Identity());
  EXPECT_TRUE(view.panZoom == Identity());
  EXPECT_TRUE(view.fillScale == Identity());
  EXPECT_TRUE(view.fillOffset == Identity());
  EXPECT_TRUE(view.projection == D3DXMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(1.0f, view.targetPerFittedX);
}

TEST(PictureView, PlacesThePictureCornersByPosition) {
  struct Case {
    const char* name;
    Layout layout;
    D3DXVECTOR2 topLeft, bottomRight;  // target units
  };
  const Case cases[] = {
      {"portrait fit: centred, full height", {400, 300, 100, 200, PositionFit, false, 400, 300},
       {125, 0}, {275, 300}},
      {"portrait stretch: both axes to the target", {400, 300, 100, 200, PositionStretch, false, 400, 300},
       {0, 0}, {400, 300}},
      {"portrait fill: full width, top and bottom cropped alike",
       {400, 300, 100, 200, PositionFill, false, 400, 300}, {0, -250}, {400, 550}},
      {"capture stretch is stretch", {400, 300, 100, 200, PositionCaptureStretch, false, 400, 300},
       {0, 0}, {400, 300}},
      {"an unknown position lays out as fit", {400, 300, 100, 200, 7, false, 400, 300},
       {125, 0}, {275, 300}},
      {"landscape fit", {400, 300, 200, 100, PositionFit, false, 400, 300}, {0, 50}, {400, 250}},
      {"landscape stretch", {400, 300, 200, 100, PositionStretch, false, 400, 300}, {0, 0}, {400, 300}},
      {"landscape fill: sides cropped alike", {400, 300, 200, 100, PositionFill, false, 400, 300},
       {-100, 0}, {500, 300}},
      {"a larger back buffer keeps target units", {400, 300, 100, 200, PositionFit, false, 800, 600},
       {125, 0}, {275, 300}},
      {"keep-size keeps target units", {400, 300, 100, 200, PositionFill, true, 800, 600},
       {0, -250}, {400, 550}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PictureView view;
    Apply(view, c.layout);
    ExpectNear(OnTarget(view, 0, 0), c.topLeft.x, c.topLeft.y);
    ExpectNear(OnTarget(view, static_cast<float>(c.layout.pictureWidth),
                        static_cast<float>(c.layout.pictureHeight)),
               c.bottomRight.x, c.bottomRight.y);
  }
}

TEST(PictureView, ThePicturesAspectLooksTheSameInEveryPosition) {
  for (int position : {PositionStretch, PositionFit, PositionFill, PositionCaptureStretch}) {
    SCOPED_TRACE(position);
    PictureView view;
    Apply(view, {400, 300, 800, 600, position, false, 400, 300});
    EXPECT_TRUE(view.fillScale == Identity());
    ExpectNear(OnTarget(view, 0, 0), 0, 0);
    ExpectNear(OnTarget(view, 800, 600), 400, 300);
  }
}

TEST(PictureView, RecordsTheFitRatiosOtherCodeReads) {
  struct Case {
    const char* name;
    Layout layout;
    float targetPerFittedX, targetPerFittedY;
  };
  const Case cases[] = {
      {"portrait", Portrait, 400.0f / 150, 1},
      {"landscape", Landscape, 1, 1.5f},
      {"same aspect", {400, 300, 800, 600, PositionFit, false, 400, 300}, 1, 1},
      {"portrait on a doubled back buffer", {400, 300, 100, 200, PositionFit, false, 800, 600},
       800.0f / 300, 1},
      {"portrait, keep-size", {400, 300, 100, 200, PositionFit, true, 800, 600},
       400.0f / 150, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PictureView view;
    Apply(view, c.layout);
    EXPECT_NEAR(c.targetPerFittedX, view.targetPerFittedX, 1e-5f);
    EXPECT_NEAR(c.targetPerFittedY, view.targetPerFittedY, 1e-5f);
  }
}

TEST(PictureView, FillScaleActsAboutThePictureCentre) {
  struct Case {
    const char* name;
    Layout layout;
    float sx, sy, offsetX, offsetY;
  };
  const Case cases[] = {
      {"portrait stretch", {400, 300, 100, 200, PositionStretch, false, 400, 300},
       8.0f / 3, 1, -31.25f, 0},
      {"portrait fill", {400, 300, 100, 200, PositionFill, false, 400, 300},
       8.0f / 3, 8.0f / 3, -31.25f, -62.5f},
      {"landscape fill", {400, 300, 200, 100, PositionFill, false, 400, 300},
       1.5f, 1.5f, -100.0f / 3, -50.0f / 3},
      {"fit", Portrait, 1, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PictureView view;
    Apply(view, c.layout);
    EXPECT_NEAR(c.sx, view.fillScale._11, 1e-5f);
    EXPECT_NEAR(c.sy, view.fillScale._22, 1e-5f);
    EXPECT_NEAR(1 / c.sx, view.invFillScaleX, 1e-5f);
    EXPECT_NEAR(1 / c.sy, view.invFillScaleY, 1e-5f);
    EXPECT_NEAR(c.offsetX, view.fillOffsetX, 1e-4f);
    EXPECT_NEAR(c.offsetY, view.fillOffsetY, 1e-4f);
    EXPECT_EQ(view.fillOffsetX, view.fillOffset._41);
    EXPECT_EQ(view.fillOffsetY, view.fillOffset._42);
  }
}

TEST(PictureView, BarsCoverTheMarginsAndOverlapThePictureByUpToAPixel) {
  using R = struct { float left, top, right, bottom; };
  struct Case {
    const char* name;
    Layout layout;
    R left, right, top, bottom;
  };
  const Case cases[] = {
      {"portrait", Portrait, {0, 0, 126, 300}, {275, 0, 401, 300}, {0, 0, 150, 0}, {0, 300, 150, 300}},
      {"landscape", Landscape, {0, 0, 0, 200}, {400, 0, 400, 200}, {0, 0, 400, 51}, {0, 250, 400, 301}},
      {"same aspect: no bars", {400, 300, 800, 600, PositionFit, false, 400, 300},
       {0, 0, 0, 300}, {400, 0, 400, 300}, {0, 0, 400, 0}, {0, 300, 400, 300}},
      {"fractional portrait margin", {640, 480, 701, 1000, PositionFit, false, 640, 480},
       {0, 0, 152, 480}, {488.24f, 0, 640.24f, 480}, {0, 0, 336, 0}, {0, 480, 336, 480}},
      {"fractional landscape margin", {640, 480, 1000, 701, PositionFit, false, 640, 480},
       {0, 0, 0, 448}, {640, 0, 640, 448}, {0, 0, 640, 16}, {0, 464.32f, 640, 480.32f}},
      {"back-buffer pixels", {400, 300, 100, 200, PositionFit, false, 800, 600},
       {0, 0, 251, 600}, {550, 0, 801, 600}, {0, 0, 300, 0}, {0, 600, 300, 600}},
      {"keep-size stays in target units", {400, 300, 100, 200, PositionFit, true, 800, 600},
       {0, 0, 126, 300}, {275, 0, 401, 300}, {0, 0, 150, 0}, {0, 300, 150, 300}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PictureView view;
    Apply(view, c.layout);
    const R expected[4] = {c.left, c.right, c.top, c.bottom};
    for (int bar = 0; bar < 4; ++bar) {
      SCOPED_TRACE(bar);
      const ScreenQuad& quad = view.barQuads[bar];
      EXPECT_NEAR(expected[bar].left, quad.Left(), 1e-3f);
      EXPECT_NEAR(expected[bar].top, quad.Top(), 1e-3f);
      EXPECT_NEAR(expected[bar].right, quad.Right(), 1e-3f);
      EXPECT_NEAR(expected[bar].bottom, quad.Bottom(), 1e-3f);
    }
  }
}

TEST(PictureView, APictureWithoutSizeIsLaidOutAsOnePixel) {
  for (int position : {PositionStretch, PositionFit, PositionFill, PositionCaptureStretch}) {
    SCOPED_TRACE(position);
    PictureView view;
    Apply(view, {400, 300, 0, 0, position, false, 400, 300});
    EXPECT_TRUE(AllFinite(view.ItemTransform(Identity())));
    D3DXMATRIX viewProj;
    EXPECT_TRUE(AllFinite(*view.GetViewProj(&viewProj)));
    EXPECT_TRUE(std::isfinite(view.targetPerFittedX) && std::isfinite(view.targetPerFittedY));
    for (const ScreenQuad& bar : view.barQuads) EXPECT_TRUE(std::isfinite(bar.Right()));
    view.SetPanZoom(1.5f, 0, 0);
    EXPECT_TRUE(AllFinite(view.panZoom));
  }
  PictureView view;
  Apply(view, {400, 300, 0, 0, PositionFit, false, 400, 300});
  ExpectNear(OnTarget(view, 0, 0), 50, 0);
  ExpectNear(OnTarget(view, 1, 1), 350, 300);
}

TEST(PictureView, ATargetWithoutSizeIsLaidOutAsOnePixel) {
  PictureView view;
  Apply(view, {0, 0, 100, 200, PositionFill, false, 400, 300});
  EXPECT_TRUE(AllFinite(view.ItemTransform(Identity())));
  EXPECT_TRUE(AllFinite(view.projection));
}

TEST(PictureView, PanZoomKeepsTheChosenEdgeOrTheCentreInPlace) {
  struct Case {
    float pan;
    float fixedFraction;  // of the picture size
  };
  const Case cases[] = {{-1, 0}, {0, 0.5f}, {1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pan);
    PictureView view;
    Apply(view, {200, 100, 200, 100, PositionFit, false, 200, 100});
    view.SetPanZoom(2, c.pan, c.pan);
    const D3DXVECTOR3 fixed(200 * c.fixedFraction, 100 * c.fixedFraction, 0);
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &fixed, &view.panZoom);
    EXPECT_NEAR(fixed.x, out.x, 1e-3f);
    EXPECT_NEAR(fixed.y, out.y, 1e-3f);
    EXPECT_FLOAT_EQ(2, view.panZoom._11);
  }
}

TEST(PictureView, ZoomOneIsNoCameraMoveForAnyPan) {
  for (float pan : {-1.0f, -0.3f, 0.0f, 1.0f}) {
    SCOPED_TRACE(pan);
    PictureView view;
    Apply(view, Portrait);
    view.SetPanZoom(1, pan, -pan);
    EXPECT_TRUE(view.panZoom == Identity());
  }
}

TEST(PictureView, CaptureStretchLeavesTheCameraOut) {
  const D3DXMATRIX item = [] {
    D3DXMATRIX m;
    D3DXMatrixTranslation(&m, 3, 4, 0);
    return m;
  }();
  for (int position : {PositionStretch, PositionCaptureStretch}) {
    SCOPED_TRACE(position);
    PictureView view;
    Apply(view, {400, 300, 100, 200, position, false, 400, 300});
    view.SetPanZoom(2, 0, 0);
    D3DXMATRIX expected = item;
    if (position != PositionCaptureStretch) expected *= view.panZoom;
    expected *= view.fillOffset * view.fillScale * view.placement;
    const D3DXMATRIX actual = view.ItemTransform(item);
    for (int i = 0; i < 16; ++i) {
      EXPECT_NEAR(static_cast<const float*>(expected)[i], static_cast<const float*>(actual)[i], 1e-4f);
    }
    D3DXMATRIX worldViewProj;
    view.GetWorldViewProj(&worldViewProj, item);
    const D3DXMATRIX chained = actual * view.view * view.projection;
    for (int i = 0; i < 16; ++i) {
      EXPECT_NEAR(static_cast<const float*>(chained)[i], static_cast<const float*>(worldViewProj)[i], 1e-4f);
    }
  }
}

TEST(PictureView, ViewProjIncludesTheFillOnlyInCaptureStretch) {
  struct Case {
    int position;
    bool withFill;
  };
  const Case cases[] = {{PositionStretch, false}, {PositionFill, false}, {PositionCaptureStretch, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    PictureView view;
    Apply(view, {400, 300, 100, 200, c.position, false, 400, 300});
    view.SetPanZoom(2, 1, 1);
    const D3DXMATRIX base =
        c.withFill ? view.fillOffset * view.fillScale * view.placement : view.placement;
    const D3DXMATRIX expected = base * view.view * view.projection;
    D3DXMATRIX actual;
    view.GetViewProj(&actual);
    for (int i = 0; i < 16; ++i) {
      EXPECT_NEAR(static_cast<const float*>(expected)[i], static_cast<const float*>(actual)[i], 1e-5f);
    }
  }
}

TEST(PictureView, TheProjectionMapsTheTargetOntoClipSpaceWithYDown) {
  PictureView view;
  Apply(view, Portrait);
  D3DXMATRIX viewProj = view.view * view.projection;
  const D3DXVECTOR3 corners[2] = {{0, 0, 0}, {400, 300, 0}};
  D3DXVECTOR3 clip[2];
  for (int i = 0; i < 2; ++i) D3DXVec3TransformCoord(&clip[i], &corners[i], &viewProj);
  EXPECT_NEAR(-1, clip[0].x, 1e-5f);
  EXPECT_NEAR(1, clip[0].y, 1e-5f);
  EXPECT_NEAR(1, clip[1].x, 1e-5f);
  EXPECT_NEAR(-1, clip[1].y, 1e-5f);
}

TEST(PictureView, ViewShiftIsTheFillOffsetWithoutACameraMove) {
  PictureView view;
  Apply(view, {400, 300, 100, 200, PositionFill, false, 400, 300});
  EXPECT_NEAR(view.fillOffsetX, view.GetViewShiftX(), 1e-4f);
  EXPECT_NEAR(view.fillOffsetY, view.GetViewShiftY(), 1e-4f);
}

TEST(ViewFrame, BackBufferPointsMapIntoPicturePixelsUndoingTheFill) {
  struct Case {
    const char* name;
    int position;
    D3DXVECTOR2 topLeft;  // the fitted quad's top-left corner, in picture pixels
  };
  const Case cases[] = {
      {"fit: the picture's corner", PositionFit, {0, 0}},
      {"fill: a point inside the picture", PositionFill, {31.25f, 62.5f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PictureView view;
    Apply(view, {400, 300, 100, 200, c.position, false, 800, 600});
    ViewFrame frame;
    ScreenQuad fitted = ScreenQuad::FitImage(100, 200, 400, 300);
    fitted.ScaleToSize(400, 300, 800, 600);
    frame.Map(fitted, 400, 300, 100, 200, 800, 600);
    EXPECT_FLOAT_EQ(2, frame.scaleX);
    EXPECT_FLOAT_EQ(2, frame.scaleY);

    const D3DXVECTOR3 topLeft = frame.ScreenToPicture(fitted.Left(), fitted.Top(), 0.5f, view);
    EXPECT_NEAR(c.topLeft.x, topLeft.x, 1e-3f);
    EXPECT_NEAR(c.topLeft.y, topLeft.y, 1e-3f);
    EXPECT_EQ(0.5f, topLeft.z);
    const D3DXVECTOR3 centre = frame.ScreenToPicture(400, 300, 0, view);
    EXPECT_NEAR(50, centre.x, 1e-3f);
    EXPECT_NEAR(100, centre.y, 1e-3f);
  }
}

TEST(ViewFrame, AnUnmappedFrameReturnsThePointUnchanged) {
  const ViewFrame frame;
  const D3DXVECTOR3 point = frame.ScreenToPicture(12, 34, 5, PictureView());
  EXPECT_EQ(12, point.x);
  EXPECT_EQ(34, point.y);
  EXPECT_EQ(5, point.z);
}

}  // namespace
