// Explosion (resource 99): a fireball on the item's square particle. Two noise lookups
// ("NoiseTex" at the older and the newer offset of "noise_shift", cross-faded by "time")
// roughen a disc: "noise_params" holds its radius, the softness of its rim and how far the
// noise moves the rim. "phase_1st" (2 down to 0 while it grows) heats the colour,
// "phase_3rd" (0 up to 1 while it fades) dissolves it from its thin parts. The colour runs
// from "color2" at the rim to "color1" in the core, times "GradientTex" looked up by heat;
// the vertex alpha fades it in. It is blended over what lies behind it by its density.
texture GradientTex;
texture NoiseTex;
float3 color1 : register(ps, c0) = {1, 0.9, 0.6};
float3 color2 : register(ps, c1) = {0.8, 0.2, 0};
float4 noise_shift : register(ps, c2);
float3 noise_params : register(ps, c3) = {0.79, 0.15, 0.42};
float2 time : register(ps, c4) = {0, 1};
float2 phase_3rd : register(ps, c5) = {0, 1};
float phase_1st : register(ps, c6);

sampler GradientSampler : register(s0) = sampler_state {
  Texture = <GradientTex>;
  AddressU = Clamp;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = None;
};

sampler NoiseSampler : register(s1) = sampler_state {
  Texture = <NoiseTex>;
  AddressU = Wrap;
  AddressV = Wrap;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

technique Main {
  pass Burst {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    Lighting = FALSE;
    AlphaBlendEnable = TRUE;
    SrcBlend = SrcAlpha;
    DestBlend = InvSrcAlpha;
    BlendOp = Add;
    PixelShader = asm {
      ps_2_0
      def c7, 0.5, 2, -1, 1
      def c8, 0.125, 1.5, 0.75, 0
      dcl v0
      dcl t0.xy
      dcl_2d s0
      dcl_2d s1
      add r0.xy, t0, c2          // the older noise
      mov r1.x, c2.z             // the newer noise
      mov r1.y, c2.w
      add r1.xy, r1, t0
      texld r0, r0, s1
      texld r1, r1, s1
      mul r0.x, r0.x, c4.y
      mad r0.x, r1.x, c4.x, r0.x // cross-faded by time
      sub r2.xy, t0, c7.x        // distance from the centre: 0 there, 1 at the square's edge
      mul r2.xy, r2, c7.y
      mul r2.xy, r2, r2
      add r2.x, r2.x, r2.y
      rsq r2.x, r2.x
      rcp r2.x, r2.x
      sub r3.x, r0.x, c7.x       // the rim, moved by the noise
      mad r3.x, r3.x, c3.z, c3.x
      sub r3.x, r3.x, r2.x
      rcp r4.x, c3.y
      mul_sat r3.x, r3.x, r4.x   // density
      sub r5.x, c8.y, r0.x       // thin parts dissolve first
      mul r5.x, r5.x, c5.x
      sub_sat r3.x, r3.x, r5.x
      add r6.x, r0.x, c7.x
      mul r6.x, r6.x, r3.x
      mul r6.x, r6.x, c8.z
      mad_sat r6.x, c6.x, c8.x, r6.x   // heat: the dense, noisy core, hotter while it grows
      mov r6.y, c7.x
      texld r6, r6, s0
      lrp r7.rgb, r3.x, c0, c1
      mul r7.rgb, r7, r6
      mul r7.a, r3.x, r6.w
      mul r7.a, r7.a, v0.w
      mov oC0, r7
    };
  }
}
