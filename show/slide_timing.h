// The show's clock, apart from the device: which slide is current, since when, and how opaque
// the black fade quad is. Every slide runs through its fade-in (black to visible), its display
// time and its fade-out (visible to black); the next slide starts on the first frame after the
// fade-out has run out, and after the last slide the first comes again. With a single slide
// nothing ever switches or fades.
#pragma once

#include <cstddef>
#include <vector>

struct SlideDurations {
  float fadeIn = 0;   // seconds
  float fadeOut = 0;  // seconds
  float display = 0;  // seconds fully visible, between the fades
};

// The fade quad's opacity `elapsed` seconds into a slide: falling from 1 to 0 over the fade-in,
// 0 while displayed, rising to 1 over the fade-out.
float FadeAlpha(float elapsed, const SlideDurations& slide);

class SlideSchedule {
public:
  enum class Event {
    None,     // the current slide plays on
    Started,  // the first frame: slide 0 became current
    Switched  // the next slide became current
  };

  struct Frame {
    Event event = Event::None;
    bool fades = false;  // false: leave the fade quad's opacity as it is
    float alpha = 0;     // the fade quad's opacity when `fades`
  };

  // The frame at show time t. The first frame starts slide 0 as if its fade-in were already
  // over. The fade of a switch frame still follows the slide that has just ended (black when it
  // had a fade-in, clear when not). A show without slides never starts.
  Frame Advance(float t, const std::vector<SlideDurations>& slides);

  bool Started() const { return started_; }
  size_t Current() const { return current_; }
  float StartTime() const { return start_; }

private:
  bool started_ = false;
  size_t current_ = 0;
  float start_ = 0;  // show time at which the current slide began
  size_t next_ = 1;  // the slide that follows the current one
};
