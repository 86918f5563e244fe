// Moving picture (resource 91): the whole picture shifted by "Direction", which the caller
// swings back and forth along a direction (a sine or noise), so the picture sways.
#include "full_screen.fxh"

float2 Direction : register(ps, c1);

pixelshader Shade = asm {
  ps_2_0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  texld r0, t0, s0
  sub r1.xy, t0, c1            // the picture moves along Direction
  texld r1, r1, s0
  texld r2, t0, s1
  lrp r0.rgb, r2.w, r1, r0     // moved where the mask lets it
  mov oC0, r0
};

#include "full_screen_techniques.fxh"
