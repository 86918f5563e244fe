// The application clock: seconds since the saver loop started and since the previous frame.
// Counts are kept as 64-bit ticks and turned into seconds only when read, so the clock does
// not lose precision over a night; the high-resolution counter is used when the machine has
// one, the millisecond timer otherwise.
#pragma once

#include <cstdint>

class AppTimer {
public:
  // A clock source: ticks and ticks per second.
  struct Source {
    int64_t (*now)();
    int64_t frequency;
  };

  // The machine's clock: QueryPerformanceCounter, or timeGetTime without one.
  static Source MachineSource();

  explicit AppTimer(Source source) : source_(source) {}

  // Starts the clock from zero.
  void Reset();
  // Seconds since the last Reset (0 while the clock was never started).
  double ApplicationTime() const;
  // Seconds since the previous call (the first one counts from the Reset).
  double ElapsedTime();

private:
  Source source_;
  bool running_ = false;
  int64_t start_ = 0;
  int64_t lastElapsed_ = 0;
};
