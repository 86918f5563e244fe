#include "items/animation_clock.h"

float AnimationClock = 0;
