// Where the clock learns the time: the computer's local time by default; tests hand in a
// reader of their own.
#pragma once

#include <ctime>

// Fills `local` and answers true, or answers false when there is no local time to give.
using LocalTimeReader = bool (*)(std::tm& local);

// The runtime library's 64-bit calendar time converted to local time.
bool ReadLocalTime(std::tm& local);
