#include "app/app_timer.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

int64_t PerformanceCounterNow() {
  LARGE_INTEGER value;
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

// Milliseconds as a continuous count: the 32-bit timer wraps after 49 days.
int64_t MillisecondNow() {
  static DWORD last = timeGetTime();
  static int64_t total = 0;
  const DWORD now = timeGetTime();
  total += static_cast<DWORD>(now - last);
  last = now;
  return total;
}

}  // namespace

AppTimer::Source AppTimer::MachineSource() {
  LARGE_INTEGER frequency;
  if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) {
    return {PerformanceCounterNow, frequency.QuadPart};
  }
  return {MillisecondNow, 1000};
}

void AppTimer::Reset() {
  start_ = lastElapsed_ = source_.now();
  running_ = true;
}

double AppTimer::ApplicationTime() const {
  if (!running_) return 0;
  return static_cast<double>(source_.now() - start_) / static_cast<double>(source_.frequency);
}

double AppTimer::ElapsedTime() {
  if (!running_) return 0;
  const int64_t now = source_.now();
  const double seconds =
      static_cast<double>(now - lastElapsed_) / static_cast<double>(source_.frequency);
  lastElapsed_ = now;
  return seconds;
}
