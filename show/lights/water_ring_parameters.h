// How the water-ring light's settings become the ripple surface's physics, when a drop falls,
// and what part of the water its orthographic camera shows.
#pragma once

// 1 + 0.02 x value.
float SurfaceWaveSpeed(unsigned value);
// 0.1 + 0.007 x value.
float SurfaceDropStrength(unsigned value);
// Calm 0 to 50 gives 0.9 to 0.99, calm 50 to 100 gives 0.99 to 0.999.
float SurfaceDamping(unsigned calm);
// 0.01 x value.
float SurfaceDepth(unsigned value);
// 1 + 0.01 x value: the row and column factors of the grid.
float GridDetailFactor(unsigned value);

// True when a drop falls at show time t: more than 1 / rate seconds after the last one (rate 0:
// never). The last drop time follows t back when the show time went backwards, and becomes t on
// a drop.
bool DropDue(float t, float rate, float& lastDropTime);

// Half-extents of the camera's window over the water, which is 30 units high and 30 / aspect
// wide, for a target of width x height pixels.
struct WaterWindow {
  float halfWidth;
  float halfHeight;
};
WaterWindow WaterWindowFor(float pictureAspect, int width, int height);
