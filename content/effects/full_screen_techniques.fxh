// The two techniques of a full-screen effect: "Main" over the picture, "MainFX" over the scene
// captured so far. They differ only in what the caller binds as "Background", so both run the
// effect's pixel shader "Shade" and replace the picture's pixels (no blending).
technique Main {
  pass Shade {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = FALSE;
    PixelShader = <Shade>;
  }
}

technique MainFX {
  pass Shade {
    ZEnable = FALSE;
    ZWriteEnable = FALSE;
    CullMode = None;
    AlphaBlendEnable = FALSE;
    PixelShader = <Shade>;
  }
}
