#include "items/objects3d/local_time.h"

#include <time.h>

bool ReadLocalTime(std::tm& local) {
  const __time64_t now = _time64(nullptr);
  return _localtime64_s(&local, &now) == 0;
}
