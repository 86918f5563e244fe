// Waves (resource 77): waves running across the picture. The phase grows along "direction"
// (in picture-height units, through "Scale") at "frequency" radians per unit and moves with
// "time"; each point is pushed along "direction_n" by "amplitude" times the sine of its phase.
#include "full_screen.fxh"

float2 direction : register(ps, c1);
float2 direction_n : register(ps, c2);
float frequency : register(ps, c3);
float amplitude : register(ps, c4);
float time : register(ps, c5);

pixelshader Shade = asm {
  ps_2_0
  def c6, 0.159154943, 0.5, 2, -1
  def c7, 1, 4, 0, 0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  mul r0.xy, t0, c0            // picture-height units
  mul r0.xy, r0, c1
  add r0.x, r0.x, r0.y         // distance along the direction
  mad r0.x, r0.x, c3.x, c5.x   // phase
  mad r0.x, r0.x, c6.x, c6.y   // the phase over pi, in -1..1
  frc r0.x, r0.x
  mad r0.x, r0.x, c6.z, c6.w
  abs r1.x, r0.x               // sine, as the parabola 4 y (1 - |y|)
  sub r1.x, c7.x, r1.x
  mul r1.x, r1.x, r0.x
  mul r1.x, r1.x, c7.y
  mul r1.x, r1.x, c4.x
  texld r2, t0, s1
  mul r1.x, r1.x, r2.w         // where the mask lets it
  mad r3.xy, c2, r1.x, t0
  texld r0, r3, s0
  mov oC0, r0
};

#include "full_screen_techniques.fxh"
