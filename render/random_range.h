// A uniform float from the C runtime's generator. Callers' draw order is behaviour, so each call
// draws exactly once.
#pragma once

// Uniform over [a, b], both ends reachable: a + (rand() / 32767) x (b - a).
float RandomRange(float a, float b);
