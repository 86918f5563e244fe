#include "show/slide_timing.h"

#include <algorithm>

float FadeAlpha(float elapsed, const SlideDurations& slide) {
  const float f = slide.fadeIn, o = slide.fadeOut, d = slide.display;
  if (elapsed < f) return (f - elapsed) / f;
  if (elapsed > f + d) return o > 0 ? std::min((elapsed - f - d) / o, 1.0f) : 1.0f;
  return 0;
}

SlideSchedule::Frame SlideSchedule::Advance(float t, const std::vector<SlideDurations>& slides) {
  Frame frame;
  if (slides.empty()) return frame;
  if (!started_) {
    started_ = true;
    current_ = 0;
    start_ = t - slides[0].fadeIn;
    frame.event = Event::Started;
    return frame;
  }
  if (slides.size() < 2) return frame;
  const SlideDurations ending = slides[current_];
  if (t - start_ > ending.fadeIn + ending.fadeOut + ending.display) {
    current_ = next_;
    start_ = t;
    next_ = next_ + 1 < slides.size() ? next_ + 1 : 0;
    frame.event = Event::Switched;
  }
  frame.fades = true;
  frame.alpha = FadeAlpha(t - start_, ending);
  return frame;
}
