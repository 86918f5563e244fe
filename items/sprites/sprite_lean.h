// How far a sprite leans: a sprite standing at angle phi (degrees) from the picture's
// horizontal has the up axis (lean, 1, 0) with lean = 1 / tan(phi). God rays and swaying
// blades and flowers lean this way.
#pragma once

// 1 / tan(phi degrees), with phi held within 1..179 degrees: a sprite lying flat (0 or 180)
// would lean without bound, and 0 exactly would divide by zero.
float LeanAtAngle(float phiDegrees);

// The lean of a swaying sprite at `wave` (radians along its sway): it stands at
// 90 + amplitude x sin(wave) degrees, so its top leans by up to the amplitude either way.
float SwayLean(float amplitudeDegrees, float wave);
