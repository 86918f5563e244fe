// The process's private bytes (its page-file usage), now and at their peak, as the saver's
// memory is judged. Wine fills these two counters, not PrivateUsage, and gives its peak as the
// level of the moment (resident anonymous memory), so a caller that wants the peak under Wine
// keeps the largest level it sampled.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>

struct ProcessMemory {
  double privateMegabytes;
  double peakPrivateMegabytes;
};

inline ProcessMemory CurrentProcessMemory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  constexpr double Megabyte = 1024.0 * 1024.0;
  return {counters.PagefileUsage / Megabyte, counters.PeakPagefileUsage / Megabyte};
}

// The most private bytes seen over the samples taken, or the system's own peak where it is larger.
class PeakMemory {
public:
  void Sample() {
    const ProcessMemory now = CurrentProcessMemory();
    megabytes_ = std::max({megabytes_, now.privateMegabytes, now.peakPrivateMegabytes});
  }
  double Megabytes() const { return megabytes_; }

private:
  double megabytes_ = 0;
};
