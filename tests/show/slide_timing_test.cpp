// The show's clock against tables of frames: which slide is current after each frame, whether
// the frame started or switched a slide, and the fade quad's opacity.
#include "show/slide_timing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Event = SlideSchedule::Event;

constexpr float Keep = -1;  // the frame leaves the fade quad's opacity alone

struct FrameCase {
  float t;
  Event event;
  size_t current;
  float alpha;  // Keep, or the opacity the frame sets
};

struct ShowCase {
  const char* name;
  std::vector<SlideDurations> slides;  // fade-in, fade-out, display
  std::vector<FrameCase> frames;
};

const SlideDurations A{1, 1, 10};
const SlideDurations B{2, 2, 4};

const ShowCase Shows[] = {
    {"one slide is visible from the first frame and never fades or restarts",
     {A},
     {{5, Event::Started, 0, Keep},
      {16, Event::None, 0, Keep},
      {17.5f, Event::None, 0, Keep},
      {500, Event::None, 0, Keep}}},
    {"two slides: A starts past its fade-in, fades out, and B fades in",
     {A, B},
     {{100, Event::Started, 0, Keep},  // start = 99
      {100.5f, Event::None, 0, 0},
      {110, Event::None, 0, 0},        // e = 11 = f + d: still fully visible
      {110.5f, Event::None, 0, 0.5f},  // half way through A's fade-out
      {111, Event::None, 0, 1},        // e = 12 = f + o + d exactly: no switch yet
      {111.25f, Event::Switched, 1, 1},  // A's fade-in is 1: black on the switch frame
      {112.25f, Event::None, 1, 0.5f},   // B's own fade-in of 2 seconds from here on
      {113.25f, Event::None, 1, 0},
      {117.25f, Event::None, 1, 0},      // e = 6 = f + d
      {118.25f, Event::None, 1, 0.5f},
      {119.5f, Event::Switched, 0, 1},   // after B, A again
      {120, Event::None, 0, 0.5f}}},
    {"equal durations switch on the first frame strictly past the end",
     {{1, 1, 1}, {1, 1, 1}},
     {{0, Event::Started, 0, Keep},  // start = -1: the slide has run out after t = 2
      {2, Event::None, 0, 1},
      {2.25f, Event::Switched, 1, 1},
      {5.25f, Event::None, 1, 1},
      {5.5f, Event::Switched, 0, 1}}},
    {"three slides wrap around: 0, 1, 2, 0, 1, 2",
     {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}},
     {{0, Event::Started, 0, Keep},
      {1.5f, Event::Switched, 1, 0},
      {3, Event::Switched, 2, 0},
      {4.5f, Event::Switched, 0, 0},
      {6, Event::Switched, 1, 0},
      {7.5f, Event::Switched, 2, 0},
      {9, Event::Switched, 0, 0}}},
    {"zero fades: no fade-in, and the switch frame after a slide without fade-in is clear",
     {{0, 0, 3}, {2, 0, 3}},
     {{0, Event::Started, 0, Keep},
      {2, Event::None, 0, 0},
      {3.5f, Event::Switched, 1, 0},  // slide 0's fade-in is 0: no black frame
      {4.5f, Event::None, 1, 0.5f},   // slide 1 fades in over 2 s
      {7.5f, Event::None, 1, 0},
      {8.5f, Event::None, 1, 0},      // e = 5 = f + o + d: no fade-out to show
      {8.75f, Event::Switched, 0, 1}}},  // slide 1's fade-in is 2: black on the switch frame
};

TEST(SlideSchedule, PlaysTheShowsOfTheTable) {
  for (const ShowCase& show : Shows) {
    SCOPED_TRACE(show.name);
    SlideSchedule schedule;
    for (const FrameCase& expected : show.frames) {
      SCOPED_TRACE(testing::Message() << "t = " << expected.t);
      const SlideSchedule::Frame frame = schedule.Advance(expected.t, show.slides);
      EXPECT_EQ(expected.event, frame.event);
      EXPECT_EQ(expected.current, schedule.Current());
      EXPECT_EQ(expected.alpha != Keep, frame.fades);
      if (expected.alpha != Keep) {
        EXPECT_NEAR(expected.alpha, frame.alpha, 1e-4f);
      }
    }
  }
}

TEST(SlideSchedule, TheFirstSlideBeginsPastItsFadeIn) {
  SlideSchedule schedule;
  schedule.Advance(100, {A, B});
  EXPECT_FLOAT_EQ(99, schedule.StartTime());
}

TEST(SlideSchedule, AShowWithoutSlidesNeverStarts) {
  SlideSchedule schedule;
  for (float t : {0.0f, 1.0f, 100.0f}) {
    const SlideSchedule::Frame frame = schedule.Advance(t, {});
    EXPECT_EQ(Event::None, frame.event);
    EXPECT_FALSE(frame.fades);
  }
  EXPECT_FALSE(schedule.Started());
}

TEST(FadeAlpha, FallsOverTheFadeInAndRisesOverTheFadeOut) {
  struct Case {
    float elapsed;
    SlideDurations slide;
    float alpha;
  } cases[] = {
      {0, {2, 4, 10}, 1},     {0.5f, {2, 4, 10}, 0.75f}, {2, {2, 4, 10}, 0},
      {12, {2, 4, 10}, 0},    {13, {2, 4, 10}, 0.25f},   {16, {2, 4, 10}, 1},
      {0, {0, 0, 10}, 0},     {10, {0, 0, 10}, 0},       {10.5f, {0, 0, 10}, 1},
      {99, {2, 4, 10}, 1},  // long past the fade-out: black, never beyond
  };
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(c.alpha, FadeAlpha(c.elapsed, c.slide)) << "elapsed " << c.elapsed;
  }
}

}  // namespace
