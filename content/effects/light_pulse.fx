// Light pulse (resource 76): the picture's light multiplied by 1 + multiplier; the caller
// drives "multiplier" with a sine, a square wave or noise, so the picture pulses, blinks or
// flickers.
#include "full_screen.fxh"

float multiplier : register(ps, c1);

pixelshader Shade = asm {
  ps_2_0
  def c2, 1, 0, 0, 0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  texld r0, t0, s0
  texld r1, t0, s1
  mad r2.x, r1.w, c1.x, c2.x   // 1 + multiplier, where the mask lets it
  mul r0.rgb, r0, r2.x
  mov oC0, r0
};

#include "full_screen_techniques.fxh"
