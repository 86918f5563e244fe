// Fire (resource 92): flames on a grid placed by "WorldViewProj" (the fire effect draws its
// grid with no transform set; the flame light draws its own quad). Three octaves of "Noise",
// scrolled by "c11", "c12" and "c13", flicker the flame and push the lookups of the flame
// shape "Pattern" sideways; "Density" adds to the flame, "ColorK1" + "ColorK2" x flame
// colours it, "Brightness" sets its opacity. The flame is added to what lies behind it, so
// "Background", "bg_scale_factor" and "ViewProj" are offered for the caller and not needed.
// Texture coordinates: u runs across the flames (repeating the pattern), v from their tips
// (0) down to their base (1).
float4x4 WorldViewProj : register(vs, c0);
float4x4 ViewProj;
texture Noise;
texture Pattern;
texture Mask;
texture Background;
float2 c11 : register(ps, c0);
float2 c12 : register(ps, c1);
float2 c13 : register(ps, c2);
float3 ColorK1 : register(ps, c3) = {1, 0, 0};
float3 ColorK2 : register(ps, c4) = {0, 1, 0};
float2 bg_scale_factor = {1, 1};
float Brightness : register(ps, c5) = 0.3;
float Density : register(ps, c6);

sampler PatternSampler : register(s0) = sampler_state {
  Texture = <Pattern>;
  AddressU = Wrap;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

sampler NoiseSampler : register(s1) = sampler_state {
  Texture = <Noise>;
  AddressU = Wrap;
  AddressV = Wrap;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

sampler MaskSampler : register(s2) = sampler_state {
  Texture = <Mask>;
  AddressU = Clamp;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = None;
};

vertexshader Place = asm {
  vs_2_0
  dcl_position v0
  dcl_texcoord v1
  mul r0, v0.x, c0             // the row vector times WorldViewProj, whose rows are c0..c3
  mad r0, v0.y, c1, r0
  mad r0, v0.z, c2, r0
  mad oPos, v0.w, c3, r0
  mov oT0, v1
};

pixelshader Burn = asm {
  ps_2_0
  def c7, 0.5, 0.25, 2, -0.5
  def c8, 3, 0.5714, 0.12, 4
  def c9, 0.3333, 0.3333, 0.3333, -0.4
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  dcl_2d s2
  add r0.xy, t0, c0            // three octaves of noise, each scrolling at its own rate
  mad r1.xy, t0, c7.z, c1
  mad r2.xy, t0, c8.x, c2
  texld r0, r0, s1
  texld r1, r1, s1
  texld r2, r2, s1
  mad r0.x, r1.x, c7.x, r0.x
  mad r0.x, r2.x, c7.y, r0.x
  mul r0.x, r0.x, c8.y         // 0..1
  add r3.xy, r0.x, c7.w        // the shape's lookup pushed by the noise, sideways and up
  mad r3.xy, r3, c8.z, t0
  texld r3, r3, s0
  dp3 r3.x, r3, c9             // the shape's brightness
  mul r4.x, r3.x, r0.x
  mad r4.x, r4.x, c7.z, c6.x   // shape x noise x 2 + Density,
  add r4.x, r4.x, c9.w         // cut off below 0.4 so that tongues of flame stand apart
  mul_sat r4.x, r4.x, c7.z
  mul r5.x, r4.x, r4.x         // red at the edges, turning yellow only in the hot cores
  mad r5.rgb, c4, r5.x, c3
  texld r6, t0, s2
  mul r5.a, r4.x, c5.x
  mul r5.a, r5.a, c8.w
  mul_sat r5.a, r5.a, r6.w     // where the mask lets it
  mov oC0, r5
};

technique Main {
  pass Burn {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = TRUE;
    SrcBlend = SrcAlpha;
    DestBlend = One;
    BlendOp = Add;
    VertexShader = <Place>;
    PixelShader = <Burn>;
  }
}

// The flame light's name for the same drawing.
technique AsEffect {
  pass Burn {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = TRUE;
    SrcBlend = SrcAlpha;
    DestBlend = One;
    BlendOp = Add;
    VertexShader = <Place>;
    PixelShader = <Burn>;
  }
}
