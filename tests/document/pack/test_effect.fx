// The test pack's effect: one technique that paints its one parameter, enough to tell that the
// pack's bytes became a working effect.
float4 Tint : register(ps, c0) = {1, 0, 0, 1};

pixelshader Paint = asm {
  ps_2_0
  mov oC0, c0
};

technique Main {
  pass Paint {
    ZEnable = FALSE;
    AlphaBlendEnable = FALSE;
    PixelShader = <Paint>;
  }
}
