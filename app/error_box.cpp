#include "app/error_box.h"

#include <algorithm>

namespace {

// After a long pause (a suspended machine) one step could carry the box past the far edge.
constexpr float MaxStepSeconds = 0.5f;

void Bounce(float& position, float& speed, float size, float low, float high, float step) {
  if (speed > 0 && position + size + speed * step > high) speed = -speed;
  else if (speed < 0 && position + speed * step < low) speed = -speed;
  position += speed * step;
  position = std::max(low, std::min(position, high - size));
}

}  // namespace

ErrorBox PlaceErrorBox(const RECT& area, bool preview) {
  const float width = static_cast<float>(area.right - area.left);
  const float height = static_cast<float>(area.bottom - area.top);
  if (preview) return {0, 0, width, height, 0, 0};
  return {(area.left + area.right - ErrorBoxWidth) * 0.5f,
          (area.top + area.bottom - ErrorBoxHeight) * 0.5f,
          ErrorBoxWidth,
          ErrorBoxHeight,
          width / 10,
          height / 20};
}

RECT ErrorBoxRect(const ErrorBox& box) {
  return {static_cast<LONG>(box.x), static_cast<LONG>(box.y),
          static_cast<LONG>(box.x + box.width), static_cast<LONG>(box.y + box.height)};
}

bool MoveErrorBox(ErrorBox& box, const RECT& area, float step, RECT* oldRect, RECT* newRect) {
  step = std::min(step, MaxStepSeconds);
  *oldRect = ErrorBoxRect(box);
  Bounce(box.x, box.xSpeed, box.width, static_cast<float>(area.left),
         static_cast<float>(area.right), step);
  Bounce(box.y, box.ySpeed, box.height, static_cast<float>(area.top),
         static_cast<float>(area.bottom), step);
  *newRect = ErrorBoxRect(box);
  return newRect->left != oldRect->left || newRect->top != oldRect->top;
}

float ErrorBoxStep(DWORD previous, DWORD now) {
  return static_cast<float>(static_cast<DWORD>(now - previous) / 1000.0);
}
