// A clock hand's animator: turns the hand from the local time on every update. The hour hand
// creeps with the minutes and the minute hand with the seconds; there is no second hand.
#pragma once

#include <d3d9.h>

#include <ctime>

#include "items/objects3d/local_time.h"
#include "render/kq_animation_base.h"

class AC_ClockArrow : public KQ_AnimationBase {
public:
  AC_ClockArrow(BYTE hourHandFlag, LocalTimeReader readLocalTime)
      : hourHand(hourHandFlag), readTime_(readLocalTime) {}

  // Degrees clockwise from twelve.
  static float HandAngle(bool hourHand, const std::tm& local);

  // frame.world := frame.local turned by the hand's angle; left as it was without a local time.
  void Animate(KQ_Frame& frame) override;

  BYTE hourHand;  // 1 the hour hand, 0 the minute hand

private:
  LocalTimeReader readTime_;
};
