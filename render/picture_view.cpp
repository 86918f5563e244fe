#include "render/picture_view.h"

#include <algorithm>

#include "render/back_buffer.h"
#include "render/current_device.h"
#include "render/matrices.h"

namespace {

const D3DCOLOR BarColor = 0xFF000000;

D3DXMATRIX Zero() { return D3DXMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0); }

// A bar's extent: its whole-pixel part, one more pixel when there is any, so the bar overlaps the
// picture edge instead of leaving a seam.
float BarExtent(float margin) {
  const int whole = static_cast<int>(margin);
  return static_cast<float>(whole > 0 ? whole + 1 : whole);
}

float Truncated(float length) { return static_cast<float>(static_cast<int>(length)); }

}  // namespace

PictureView::PictureView()
    : placement(Identity()),
      world(Zero()),
      view(Zero()),
      projection(Zero()),
      fillScale(Identity()),
      fillOffset(Identity()),
      panZoom(Identity()) {}

PictureView::~PictureView() = default;

void PictureView::Setup(int w, int h, const TextureEntry& picture, int newPosition,
                        bool keepSize) {
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  Layout(w, h, picture.width, picture.height, newPosition, keepSize,
         static_cast<float>(backBuffer.Width), static_cast<float>(backBuffer.Height));
  auto bars = deviceBars_.find(CurrentDevice);
  if (bars != deviceBars_.end()) {
    for (int bar = 0; bar < 4; ++bar) {
      ColorScreenQuad& mesh = bars->second[bar];
      if (!mesh.LockVertices()) continue;
      mesh.SetPositions(barQuads[bar]);
      mesh.UnlockVertices();
    }
  }
  SetBaseMatrices();
}

void PictureView::Layout(int targetWidth, int targetHeight, UINT picW, UINT picH,
                         int newPosition, bool keepSize, float backBufferWidth,
                         float backBufferHeight) {
  position = newPosition;
  pictureWidth = std::max(picW, 1u);
  pictureHeight = std::max(picH, 1u);
  const float w = static_cast<float>(std::max(targetWidth, 1));
  const float h = static_cast<float>(std::max(targetHeight, 1));
  const float pw = static_cast<float>(pictureWidth);
  const float ph = static_cast<float>(pictureHeight);

  ScreenQuad fitted = ScreenQuad::FitImage(pictureWidth, pictureHeight, w, h);

  // From here on lengths are back-buffer pixels, or target units with keepSize.
  const float outW = keepSize ? w : backBufferWidth;
  const float outH = keepSize ? h : backBufferHeight;
  if (!keepSize) fitted.ScaleToSize(w, h, outW, outH);
  const float g = fitted.Left();
  const float f = fitted.Top();
  const float fittedW = fitted.Right() - g;
  const float fittedH = fitted.Bottom() - f;

  const float barW = BarExtent(g);
  const float barH = BarExtent(f);
  barQuads[LeftBar] = ScreenQuad::Rectangle(0, 0, barW, Truncated(fittedH));
  barQuads[RightBar] = ScreenQuad::Rectangle(g + fittedW, 0, g + fittedW + barW, Truncated(fittedH));
  barQuads[TopBar] = ScreenQuad::Rectangle(0, 0, Truncated(fittedW), barH);
  barQuads[BottomBar] = ScreenQuad::Rectangle(0, f + fittedH, Truncated(fittedW), f + fittedH + barH);

  world = Identity();
  const D3DXVECTOR3 eye(0, 0, -1), at(0, 0, 0), up(0, 1, 0);
  D3DXMatrixLookAtLH(&view, &eye, &at, &up);
  D3DXMatrixOrthoOffCenterLH(&projection, 0, w, h, 0, -5000, 5000);

  targetPerFittedX = outW / fittedW;
  targetPerFittedY = outH / fittedH;

  const float k = f != 0 ? (w / outW) * (outW / pw) : (h / outH) * (outH / ph);
  placement = Scaling(k, k, 1) * Translation(g * w / outW, f * h / outH, 0);

  float sx = 1, sy = 1;
  if (position == PositionStretch || position == PositionCaptureStretch) {
    sx = (2 * g + fittedW) / fittedW;
    sy = (2 * f + fittedH) / fittedH;
  } else if (position == PositionFill) {
    sx = sy = g == 0 ? (2 * f + fittedH) / fittedH : (2 * g + fittedW) / fittedW;
  }
  fillScale = Scaling(sx, sy, 1);
  invFillScaleX = 1 / sx;
  invFillScaleY = 1 / sy;
  fillOffsetX = (1 - sx) * 0.5f * pw / sx;
  fillOffsetY = (1 - sy) * 0.5f * ph / sy;
  fillOffset = Translation(fillOffsetX, fillOffsetY, 0);
}

void PictureView::ResetBars() {
  const ScreenQuad wholeBackBuffer = ScreenQuad::FullScreen();
  for (ColorScreenQuad& bar : deviceBars_[CurrentDevice]) {
    bar.SetRectAndColor(BarColor, wholeBackBuffer);
  }
}

void PictureView::DrawBars() const {
  if (position != PositionFit) return;
  const Bars* bars = BarsOf(CurrentDevice);
  if (!bars) return;
  CurrentDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
  CurrentDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
  for (const ColorScreenQuad& bar : *bars) {
    bar.Bind();
    bar.Draw();
  }
  CurrentDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  CurrentDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
}

const PictureView::Bars* PictureView::BarsOf(IDirect3DDevice9* device) const {
  auto bars = deviceBars_.find(device);
  return bars == deviceBars_.end() ? nullptr : &bars->second;
}

void PictureView::ReleaseDeviceObjects(IDirect3DDevice9* device) { deviceBars_.erase(device); }

void PictureView::SetBaseMatrices() const {
  CurrentDevice->SetTransform(D3DTS_WORLD, &world);
  CurrentDevice->SetTransform(D3DTS_VIEW, &view);
  CurrentDevice->SetTransform(D3DTS_PROJECTION, &projection);
}

D3DXMATRIX PictureView::FillTransform() const { return fillOffset * fillScale; }

D3DXMATRIX PictureView::ItemTransform(const D3DXMATRIX& itemWorld) const {
  const D3DXMATRIX picture = FillTransform() * placement;
  if (position == PositionCaptureStretch) return itemWorld * picture;
  return itemWorld * (panZoom * picture);
}

void PictureView::SetWorld(const D3DXMATRIX& itemWorld) const {
  const D3DXMATRIX transform = ItemTransform(itemWorld);
  CurrentDevice->SetTransform(D3DTS_WORLD, &transform);
}

D3DXMATRIX* PictureView::GetWorldViewProj(D3DXMATRIX* out, const D3DXMATRIX& itemWorld) const {
  *out = ItemTransform(itemWorld) * view * projection;
  return out;
}

D3DXMATRIX* PictureView::GetViewProj(D3DXMATRIX* out) const {
  const D3DXMATRIX base =
      position == PositionCaptureStretch ? FillTransform() * placement : placement;
  *out = base * view * projection;
  return out;
}

void PictureView::SetPanZoom(float zoom, float panX, float panY) {
  const float ax = (1 - zoom) * 0.5f * static_cast<float>(pictureWidth) / zoom * (panX + 1);
  const float ay = (1 - zoom) * 0.5f * static_cast<float>(pictureHeight) / zoom * (panY + 1);
  panZoom = Translation(ax, ay, 0) * Scaling(zoom, zoom, 1);
}

float PictureView::GetViewShiftX() const {
  const D3DXMATRIX m = panZoom * FillTransform();
  return m._41 / m._11;
}

float PictureView::GetViewShiftY() const {
  const D3DXMATRIX m = panZoom * FillTransform();
  return m._42 / m._22;
}
