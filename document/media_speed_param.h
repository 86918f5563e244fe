// A speed slider with a clock of its own: each Advance moves the local time by the elapsed
// application time, capped at 0.2 s, times the speed factor (the result). Time never runs
// backwards: an earlier time than the last one counts as no step.
//
//   MediaSpeedParam speed{50, 0.02f};   // factor 1.0: real time
#pragma once

#include "document/scaled_param.h"

class MediaSpeedParam : public UINTSclaleTo<float> {
public:
  using UINTSclaleTo<float>::UINTSclaleTo;
  MediaSpeedParam() = default;
  // Copies take the clock with the setting.
  MediaSpeedParam(const MediaSpeedParam& other) = default;
  MediaSpeedParam& operator=(const MediaSpeedParam& other) = default;

  void Advance(float seconds);

  float LocalTime() const { return local_time_; }
  float LastStep() const { return last_step_; }
  float LastTime() const { return last_time_; }

private:
  static constexpr float MaxStep = 0.2f;

  float last_step_ = 0.0f;   // scaled seconds of the last Advance
  float local_time_ = 0.0f;  // scaled seconds since construction
  float last_time_ = 0.0f;   // application time of the last Advance
};
