// Milliseconds since construction, from the performance counter.
#pragma once

#include <windows.h>

class Stopwatch {
public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

private:
  LARGE_INTEGER frequency_, start_;
};
