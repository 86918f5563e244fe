// The process's private bytes (its page-file usage), now and at their peak, as the saver's
// memory is judged. Wine fills these two counters, not PrivateUsage.
#pragma once

#include <windows.h>
#include <psapi.h>

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
