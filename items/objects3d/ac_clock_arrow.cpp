#include "items/objects3d/ac_clock_arrow.h"

#include <d3dx9math.h>

#include "render/kq_frame.h"

float AC_ClockArrow::HandAngle(bool hourHand, const std::tm& local) {
  const double degrees = hourHand ? (local.tm_hour % 12 + local.tm_min / 60.0) * 30.0
                                  : (local.tm_min + local.tm_sec / 60.0) * 6.0;
  return static_cast<float>(degrees);
}

void AC_ClockArrow::Animate(KQ_Frame& frame) {
  std::tm local{};
  if (!readTime_(local)) return;
  // The clock's root turns this rotation about y into one within the picture.
  D3DXMATRIX turn;
  D3DXMatrixRotationY(&turn, HandAngle(hourHand != 0, local) * 2 * D3DX_PI / 360);
  frame.world = frame.local * turn;
}
