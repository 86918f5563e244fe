#include "items/kq_view_obj_ctrl.h"

#include <cmath>

#include "document/setting_stream.h"
#include "items/random_fraction.h"
#include "render/picture_layout.h"

namespace {

float PictureWidth() { return static_cast<float>(CurrentViewFrame().pictureWidth); }
float PictureHeight() { return static_cast<float>(CurrentViewFrame().pictureHeight); }

// An edge in whole picture pixels, truncated toward zero. Far-out values are held inside int
// range instead of overflowing; an edge that is not finite at all is left as the rectangle has
// it (the binding then takes the fraction from there).
void PushEdge(MediaParamT<int>& edge, float fraction, float size) {
  const float pixels = fraction * size;
  if (!std::isfinite(pixels)) return;
  constexpr float Limit = 1 << 30;
  edge.Set(static_cast<int>(std::fmax(-Limit, std::fmin(Limit, pixels))));
}

// One draw between two edges: the fraction, a double, times the float span.
float RandomBetween(float low, float high) {
  const double fraction = RandomFraction();
  return static_cast<float>(low + fraction * (high - low));
}

// value / size, or the fraction unchanged while the picture has no size (0 / 0 would be NaN).
void PullEdge(float& fraction, int value, float size) {
  if (size != 0) fraction = static_cast<float>(value) / size;
}

}  // namespace

KQ_ViewObjCtrl::KQ_ViewObjCtrl() { BindArea(); }

KQ_ViewObjCtrl::KQ_ViewObjCtrl(const KQ_ViewObjCtrl& other)
    : KQ_ABObj_Constructor(other),
      speed(other.speed.Get()),
      storedFlag(other.storedFlag),
      leftFraction(other.leftFraction),
      rightFraction(other.rightFraction),
      topFraction(other.topFraction),
      bottomFraction(other.bottomFraction) {
  BindArea();
}

void KQ_ViewObjCtrl::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_ViewObjCtrl", 2);
  WriteSettings(stream, rectangle, leftFraction, rightFraction, topFraction, bottomFraction);
  stream.WriteBool(storedFlag);
  WriteSetting(stream, speed);
  KQ_ABObj_Constructor::Write(stream);
}

void KQ_ViewObjCtrl::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, rectangle, leftFraction, rightFraction, topFraction, bottomFraction);
  stream.ReadBool(storedFlag);
  // Older sections keep the speed in the sprite properties.
  if (version >= 2) ReadSetting(stream, speed);
  ReadConstructorSection(stream);
}

void KQ_ViewObjCtrl::Step(float t) {
  const float raw = std::fabs(t - lastTime);
  frameSeconds = raw > 0.1f ? 0.1f : raw;
  const float capped = raw > 0.2f ? 0.2f : raw;
  timeStep = capped * static_cast<float>(speed.Get()) * 0.02f;
  scaledTime += timeStep;
  lastTime = t;
}

float KQ_ViewObjCtrl::AreaLeft() const { return leftFraction * PictureWidth(); }
float KQ_ViewObjCtrl::AreaRight() const { return rightFraction * PictureWidth(); }
float KQ_ViewObjCtrl::AreaTop() const { return topFraction * PictureHeight(); }
float KQ_ViewObjCtrl::AreaBottom() const { return bottomFraction * PictureHeight(); }

float KQ_ViewObjCtrl::RandomXAcrossArea(float inset) const {
  return RandomBetween(AreaLeft() + inset, AreaRight() - inset);
}

float KQ_ViewObjCtrl::RandomYDownArea(float inset) const {
  return RandomBetween(AreaTop() + inset, AreaBottom() - inset);
}

D3DXVECTOR3 KQ_ViewObjCtrl::RandomPointInArea() const {
  return RandomPointInsetInArea(0, 0);
}

D3DXVECTOR3 KQ_ViewObjCtrl::RandomPointInsetInArea(float halfWidth, float halfHeight) const {
  const float x = RandomXAcrossArea(halfWidth);
  const float y = RandomYDownArea(halfHeight);
  return D3DXVECTOR3(x, y, 0.0f);
}

void KQ_ViewObjCtrl::PushAreaToRectangle() {
  PushEdge(rectangle.left, leftFraction, PictureWidth());
  PushEdge(rectangle.right, rightFraction, PictureWidth());
  PushEdge(rectangle.top, topFraction, PictureHeight());
  PushEdge(rectangle.bottom, bottomFraction, PictureHeight());
}

void KQ_ViewObjCtrl::BindArea() {
  PushAreaToRectangle();
  bindings_.BindFunLightCtrl(&KQ_ViewObjCtrl::SetLeftFromRectangle, rectangle.left);
  bindings_.BindFunLightCtrl(&KQ_ViewObjCtrl::SetRightFromRectangle, rectangle.right);
  bindings_.BindFunLightCtrl(&KQ_ViewObjCtrl::SetTopFromRectangle, rectangle.top);
  bindings_.BindFunLightCtrl(&KQ_ViewObjCtrl::SetBottomFromRectangle, rectangle.bottom);
}

void KQ_ViewObjCtrl::SetLeftFromRectangle(int left) {
  PullEdge(leftFraction, left, PictureWidth());
}
void KQ_ViewObjCtrl::SetRightFromRectangle(int right) {
  PullEdge(rightFraction, right, PictureWidth());
}
void KQ_ViewObjCtrl::SetTopFromRectangle(int top) {
  PullEdge(topFraction, top, PictureHeight());
}
void KQ_ViewObjCtrl::SetBottomFromRectangle(int bottom) {
  PullEdge(bottomFraction, bottom, PictureHeight());
}
