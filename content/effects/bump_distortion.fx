// Bump distortion (resource 63), the flame light's heat haze: the captured scene ("SceneTex")
// drawn back through lookups pushed by two layers of the bump image ("Bumpmap", red and green
// around 0.5), tiled by "bump_scale" and scrolled in opposite directions by "Offset".
// "stenght" is the push in texture units. The caller sets no vertex shader.
float stenght : register(ps, c0);
float2 Offset : register(ps, c1);
float2 bump_scale : register(ps, c2) = {1, 1};
texture SceneTex;
texture Bumpmap;

sampler SceneSampler : register(s0) = sampler_state {
  Texture = <SceneTex>;
  AddressU = Clamp;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = None;
};

sampler BumpSampler : register(s1) = sampler_state {
  Texture = <Bumpmap>;
  AddressU = Wrap;
  AddressV = Wrap;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

technique BumpmapDistortLow2 {
  pass Distort {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = FALSE;
    PixelShader = asm {
      ps_2_0
      def c3, 1.7, -1, 0, 0
      dcl t0.xy
      dcl_2d s0
      dcl_2d s1
      mul r0.xy, t0, c2
      add r1.xy, r0, c1          // one layer drifts with Offset
      mul r2.xy, r0, c3.x
      sub r2.xy, r2, c1          // a finer one against it
      texld r1, r1, s1
      texld r2, r2, s1
      add r1.xy, r1, r2
      add r1.xy, r1, c3.y        // the sum of the slopes, -1..1
      mad r1.xy, r1, c0.x, t0
      texld r0, r1, s0
      mov oC0, r0
    };
  }
}
