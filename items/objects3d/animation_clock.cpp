#include "items/objects3d/animation_clock.h"

float AnimationClock = 0;
