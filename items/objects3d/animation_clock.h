// The time the falling-leaf animators move by: the seconds last handed to any leaf item's
// update, set by that item just before its leaves are animated.
#pragma once

extern float AnimationClock;
