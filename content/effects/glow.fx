// Glow (resource 97), used by the lightning discharge. The item draws its particles (vertex
// colour and one texture) into a cleared glow target with "Blend_Max"; then lays the target
// ("Texture2") over the scene ("Texture1") with "Blend_Screen" or "Blend_Normal", tinted by
// "BlendColor" (rgb, with its alpha as the strength); then draws the particles plainly on top
// with "Common". "Texture1" is the particle texture in the particle techniques. The glow
// target holds the glow's light premultiplied by its alpha.
texture Texture1;
texture Texture2;
float4 BlendColor : register(ps, c0) = {1, 1, 1, 1};

sampler Sampler1 : register(s0) = sampler_state {
  Texture = <Texture1>;
  AddressU = Clamp;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

sampler Sampler2 : register(s1) = sampler_state {
  Texture = <Texture2>;
  AddressU = Clamp;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = None;
};

pixelshader Particle = asm {
  ps_2_0
  dcl v0
  dcl t0.xy
  dcl_2d s0
  texld r0, t0, s0
  mul r0, r0, v0
  mov oC0, r0
};

// Into the glow target: the particle's light weighted by its alpha, so that a texture's clear
// parts (straight alpha, any colour) add nothing to the glow.
pixelshader GlowLight = asm {
  ps_2_0
  dcl v0
  dcl t0.xy
  dcl_2d s0
  texld r0, t0, s0
  mul r0, r0, v0
  mul r0.rgb, r0, r0.w
  mov oC0, r0
};

// Screen: 1 - (1 - scene)(1 - glow) = scene + glow - scene x glow.
pixelshader Screen = asm {
  ps_2_0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  texld r0, t0, s0
  texld r1, t0, s1
  mul r1.rgb, r1, c0
  mul_sat r1.rgb, r1, c0.w
  mul r2.rgb, r0, r1
  add r0.rgb, r0, r1
  sub r0.rgb, r0, r2
  mov oC0, r0
};

// Normal: the tinted glow over the scene by the glow's alpha times the strength.
pixelshader Normal = asm {
  ps_2_0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  texld r0, t0, s0
  texld r1, t0, s1
  mul_sat r2.x, r1.w, c0.w
  mul r1.rgb, r1, c0
  lrp r0.rgb, r2.x, r1, r0
  mov oC0, r0
};

technique Blend_Max {
  pass Accumulate {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    Lighting = FALSE;
    AlphaBlendEnable = TRUE;
    SrcBlend = One;
    DestBlend = One;
    BlendOp = Max;
    PixelShader = <GlowLight>;
  }
}

technique Blend_Screen {
  pass Composite {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = FALSE;
    PixelShader = <Screen>;
  }
}

technique Blend_Normal {
  pass Composite {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = FALSE;
    PixelShader = <Normal>;
  }
}

technique Common {
  pass Top {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    Lighting = FALSE;
    AlphaBlendEnable = TRUE;
    SrcBlend = SrcAlpha;
    DestBlend = InvSrcAlpha;
    BlendOp = Add;
    PixelShader = <Particle>;
  }
}
