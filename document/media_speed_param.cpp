#include "document/media_speed_param.h"

void MediaSpeedParam::Advance(float seconds) {
  if (last_time_ > seconds) last_time_ = seconds;
  float step = seconds - last_time_;
  if (step > MaxStep) step = MaxStep;
  step *= Result();
  last_step_ = step;
  local_time_ += step;
  last_time_ = seconds;
}
