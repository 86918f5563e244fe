// Water (resource 90): the picture as a water surface. The bump image ("BumpMap", read in
// tiles through "Scale") flows slowly along "Direction2"; its slopes, turned and scaled by the
// rotating 2 x 2 matrix "BampTrans", push the picture around. A travelling wave
// sin(dot(uv, Direction1) + Time) adds a push along the flow and a height that the profile
// curve (P1.x h + P2.x) / (P1.y h + P2.y) turns into shading, applied by "Shadows". The
// bump's slopes against the half vector "Vhalf" give highlights; "Color" tints the water.
// The bump image's red and green hold its slopes around 0.5.
#include "full_screen.fxh"

texture BumpMap;
float4 BampTrans : register(ps, c1) = {0.02, 0, 0, 0.02};
float3 P1 : register(ps, c2) = {-0.998, -1, -0.998};
float3 P2 : register(ps, c3) = {1, 1.03267, 1};
float Time : register(ps, c4);
float2 Direction1 : register(ps, c5);
float2 Direction2 : register(ps, c6);
float Shadows : register(ps, c7);
float3 Vhalf : register(ps, c8) = {0.4472, 0.8944, 0};
float3 Color : register(ps, c9) = {1, 1, 1};

sampler BumpSampler : register(s2) = sampler_state {
  Texture = <BumpMap>;
  AddressU = Wrap;
  AddressV = Wrap;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

pixelshader Shade = asm {
  ps_2_0
  def c10, 0.159154943, 0.5, 2, -1
  def c11, 1, 4, 16, 0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  dcl_2d s2
  mul r0.xy, t0, c0            // bump tiles
  // the travelling wave
  mul r1.xy, r0, c5
  add r1.x, r1.x, r1.y
  add r1.x, r1.x, c4.x
  mad r1.x, r1.x, c10.x, c10.y // the phase over pi, in -1..1
  frc r1.x, r1.x
  mad r1.x, r1.x, c10.z, c10.w
  abs r2.x, r1.x               // r2.y: the wave, a sine as the parabola 4 y (1 - |y|)
  sub r2.x, c11.x, r2.x
  mul r2.x, r2.x, r1.x
  mul r2.y, r2.x, c11.y
  // the flowing bump and its slopes
  mad r3.xy, c6, c4.x, r0
  texld r3, r3, s2
  mad r3.xy, r3, c10.z, c10.w  // slopes, -1..1
  mul r4.x, r3.x, c1.x         // turned and scaled by BampTrans
  mad r4.x, r3.y, c1.z, r4.x
  mul r4.y, r3.x, c1.y
  mad r4.y, r3.y, c1.w, r4.y
  mad r4.xy, c6, r2.y, r4      // the wave's push along the flow
  texld r5, t0, s1
  mad r6.xy, r4, r5.w, t0      // where the mask lets it
  texld r6, r6, s0
  // shading from the profile of the wave's height
  mad r7.x, r2.y, c10.y, c10.y
  mad r7.y, r7.x, c2.x, c3.x
  mad r7.z, r7.x, c2.y, c3.y
  rcp r7.z, r7.z
  mad r7.x, r7.y, r7.z, c10.w  // profile - 1
  mul r7.x, r7.x, c7.x
  mad r7.x, r7.x, r5.w, c11.x  // 1 + Shadows (profile - 1), where the mask lets it
  // highlights where the slopes face the half vector
  mov r8.xy, r3
  mov r8.z, c11.x
  nrm r9.xyz, r8
  dp3_sat r9.x, r9, c8
  pow r9.x, r9.x, c11.z
  mul r9.x, r9.x, r5.w
  mul r6.rgb, r6, c9
  mul r6.rgb, r6, r7.x
  add r6.rgb, r6, r9.x
  mov oC0, r6
};

#include "full_screen_techniques.fxh"
