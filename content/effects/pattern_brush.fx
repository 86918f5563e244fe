// Pattern brush (resource 78): an image tiled over the picture. "coord_transf" holds the 2 x 2
// matrix (tiles across and down, rotation, mirroring) that takes picture coordinates to
// pattern coordinates, "offset" shifts the tiling; the pattern is laid over the picture by its
// own alpha. "scale" (the pattern's aspect) is offered for the caller and not needed here.
#include "full_screen.fxh"

texture Pattern;
float2 scale = {1, 1};
float2 offset : register(ps, c1);
float4 coord_transf : register(ps, c2) = {1, 0, 0, 1};

sampler PatternSampler : register(s2) = sampler_state {
  Texture = <Pattern>;
  AddressU = Wrap;
  AddressV = Wrap;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = Linear;
};

pixelshader Shade = asm {
  ps_2_0
  dcl t0.xy
  dcl_2d s0
  dcl_2d s1
  dcl_2d s2
  mul r0.x, t0.x, c2.x         // (u, v) times the matrix, row by row
  mad r0.x, t0.y, c2.z, r0.x
  mul r0.y, t0.x, c2.y
  mad r0.y, t0.y, c2.w, r0.y
  add r0.xy, r0, c1
  texld r1, r0, s2
  texld r2, t0, s0
  texld r3, t0, s1
  mul r3.x, r1.w, r3.w         // the pattern's alpha, where the mask lets it
  lrp r2.rgb, r3.x, r1, r2
  mov oC0, r2
};

#include "full_screen_techniques.fxh"
