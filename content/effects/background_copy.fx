// Background copy (resource 75): a half-transparent copy of the picture laid over it, shifted
// by "offset" (a fraction of the picture's size). The edges mirror, so a whole-unit shift shows
// the picture's mirror image.
#include "full_screen.fxh"

float2 offset : register(ps, c1);

pixelshader Shade = asm {
  ps_2_0
  def c2, 0.5, 0, 0, 0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  texld r0, t0, s0
  sub r1.xy, t0, c1            // where the shifted copy comes from
  texld r1, r1, s0
  texld r2, t0, s1
  mul r3.x, r2.w, c2.x         // the copy's opacity: half, where the mask lets it
  lrp r0.rgb, r3.x, r1, r0
  mov oC0, r0
};

#include "full_screen_techniques.fxh"
