#include "show/lights/glass_ball_lens.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float QuarterPi = 0.7853982f;

// a / b, or 1 when either side has no size: an aspect that cannot be formed is square.
float AspectOf(float a, float b) { return a > 0 && b > 0 ? a / b : 1.0f; }

float Truncated(float x) { return std::trunc(x); }

ScreenQuad Moved(const ScreenQuad& quad, float dx, float dy) {
  return ScreenQuad::Rectangle(quad.Left() + dx, quad.Top() + dy, quad.Right() + dx,
                               quad.Bottom() + dy);
}

float FitShare(float length, float margin) {
  return length / (length + 2 * (Truncated(margin) + 1));
}

}  // namespace

LensParameters ComputeLensParameters(unsigned ballSize, unsigned magnification, float zoomX,
                                     float fitShareY) {
  const float d = static_cast<float>(ballSize), e = static_cast<float>(magnification);
  LensParameters p;
  p.eyeDistance = -600.0f / (d * 0.75f / 100 + 0.25f) / (zoomX * fitShareY);
  p.lensScale = ((d * fitShareY * zoomX / 100) * 1.105f + 0.385f) * 1.05f * (e * 0.5f / 100 + 1);
  p.swayAmplitude = e * 0.5f * 0.125f / 100 + 0.125f;
  return p;
}

float Frac(float x) { return x - std::floor(x); }

float SwayAtPhase(float phase) {
  const float f = Frac(0.5f * phase);
  return 2 * std::fabs(2 * f - 1) - 1;
}

float ScrollShare(int motionMode, float phase) {
  return Frac((motionMode == 1 ? -0.5f : 0.5f) * phase);
}

BackgroundLayout LayOutBackground(const ScreenQuad& fitted, const D3DXMATRIX& transform,
                                  UINT backgroundWidth, UINT backgroundHeight) {
  BackgroundLayout layout;
  layout.fitted = fitted;
  const float L = fitted.Left(), R = fitted.Right(), T = fitted.Top(), B = fitted.Bottom();
  layout.zoomX = transform._11;
  layout.zoomY = transform._22;
  layout.panX = transform._41 * (R - L) / static_cast<float>(std::max(backgroundWidth, 1u));
  layout.panY = transform._42 * (B - T) / static_cast<float>(std::max(backgroundHeight, 1u));

  const ScreenQuad zoomed =
      ScreenQuad::Rectangle(L, T, L + (R - L) * layout.zoomX, T + (B - T) * layout.zoomY);
  layout.background = Moved(zoomed, layout.panX, layout.panY);

  const float side = Truncated(L) + 1, top = Truncated(T) + 1;
  const float height = Truncated(B - T), width = Truncated(R - L);
  layout.bars[0] = ScreenQuad::Rectangle(0, 0, side, height);
  layout.bars[1] = ScreenQuad::Rectangle(R, 0, R + side, height);
  layout.bars[2] = ScreenQuad::Rectangle(0, 0, width, top);
  layout.bars[3] = ScreenQuad::Rectangle(0, B, width, B + top);

  // The zoomed background about the origin, without the pan.
  const float zl = L * layout.zoomX, zr = R * layout.zoomX;
  const float zt = T * layout.zoomY, zb = B * layout.zoomY;
  layout.fitShareX = FitShare(zr - zl, zl);
  layout.fitShareY = FitShare(zb - zt, zt);
  return layout;
}

LensTransforms ComputeLensTransforms(const LensView& v, bool lensPass) {
  const float W = v.drawWidth, H = v.drawHeight;
  const float eye = v.lens.eyeDistance;
  const float x = static_cast<float>(v.ballPosition.x), y = static_cast<float>(v.ballPosition.y);
  const float x1 = (x + 250) * v.zoomX - 250 + 500 * v.panX / (W * v.fitShareX);
  const float y1 = (y + 250) * v.zoomY - 250 + 500 * v.panY / (H * v.fitShareY);
  float xw = x1 * (-eye / 600), yw = y1 * (eye / 600);
  const float targetAspect = AspectOf(v.targetWidth, v.targetHeight);
  if (v.backgroundMode == 1) {
    yw *= v.fitShareY;
    xw = targetAspect * xw * v.fitShareX;
  }

  float s = v.fitShareY, u = 0, w = 0;
  if (lensPass) {
    s = v.lens.lensScale;
    const float k = 1.5f - static_cast<float>(v.magnification / 2) * 0.02f * 0.5f;
    // A picture taller than wide (quotient 0) or none at all shifts like a square one.
    const UINT wholeAspect = v.pictureHeight ? v.pictureWidth / v.pictureHeight : 0;
    const float q = static_cast<float>(std::max(wholeAspect, 1u));
    u = v.lens.swayAmplitude * v.sway - k * (xw / W) / q;
    w = k * yw / H;
  }

  LensTransforms t;
  D3DXMatrixTranslation(&t.world, xw, yw, 0);
  const D3DXVECTOR3 eyePoint(0, 0, eye), at(0, 0, 0), up(0, 1, 0);
  D3DXMatrixLookAtLH(&t.view, &eyePoint, &at, &up);
  D3DXMatrixPerspectiveFovLH(&t.projection, QuarterPi, targetAspect, 1.0f, 3000.0f);

  const bool backgroundAspect = !lensPass && v.backgroundMode != 0;
  const float a = backgroundAspect
                      ? AspectOf(static_cast<float>(v.backgroundWidth),
                                 static_cast<float>(v.backgroundHeight))
                      : AspectOf(static_cast<float>(v.pictureWidth),
                                 static_cast<float>(v.pictureHeight));
  D3DXMATRIX p2;
  D3DXMatrixPerspectiveFovLH(&p2, QuarterPi, a, 1.0f, 3000.0f);
  const float r = std::fabs(eye) * s;
  const float den = r * p2._33 + p2._34;
  D3DXMatrixIdentity(&t.texture);
  t.texture._11 = 0.5f * p2._11 / den;
  t.texture._22 = -0.5f * p2._22 / den;
  t.texture._12 = t.texture._21 = t.texture._31 = t.texture._32 = 0;
  t.texture._41 = Frac(u) + 0.5f;
  t.texture._42 = w + 0.5f;
  return t;
}

D3DXMATRIX MaskTextureTransform(const D3DXMATRIX& otherPass, const LensView& v) {
  D3DXMATRIX m = otherPass;
  m._11 /= v.zoomX;
  m._22 /= v.zoomY;
  m._41 = (m._41 - v.panX / v.drawWidth / v.fitShareX) / v.zoomX;
  m._42 = (m._42 - v.panY / v.drawHeight / v.fitShareY) / v.zoomY;
  return m;
}
