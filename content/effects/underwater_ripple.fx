// Underwater ripple (resource 88): the picture wobbles as if seen through moving water. Each
// axis is pushed by "amplitude" times a sine running along the other axis, with "frequency"
// waves per picture width and height, moving with "time".
#include "full_screen.fxh"

float2 frequency : register(ps, c1);
float amplitude : register(ps, c2);
float time : register(ps, c3);

pixelshader Shade = asm {
  ps_2_0
  def c4, 0.5, 2, -1, 0.159154943
  def c5, 1, 4, 0, 0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  mul r0.xy, t0, c1            // the waves along u and v, in periods
  mad r0.xy, c3.x, c4.w, r0    // time is an angle
  add r0.xy, r0, c4.x          // their phases over pi, in -1..1
  frc r0.xy, r0
  mad r0.xy, r0, c4.y, c4.z
  abs r1.xy, r0                // sines, as the parabola 4 y (1 - |y|)
  sub r1.xy, c5.x, r1
  mul r1.xy, r1, r0
  mul r1.xy, r1, c5.y
  mov r3.x, r1.y               // the wave along v pushes u, the one along u pushes v
  mov r3.y, r1.x
  mul r3.xy, r3, c2.x
  texld r4, t0, s1
  mad r3.xy, r3, r4.w, t0      // where the mask lets it
  texld r0, r3, s0
  mov oC0, r0
};

#include "full_screen_techniques.fxh"
