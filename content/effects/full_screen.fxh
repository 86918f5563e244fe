// What every full-screen effect shares. The caller draws the picture's quad (fixed-function
// transform, texture coordinates 0..1 over the picture) and sets "Scale" (the picture's aspect
// over the scale divisor), "Mask" and "Background" (the picture, or the scene captured so far).
// Register use: c0 Scale, s0 Background, s1 Mask; each effect's own parameters from c1 on.
//
// The mask's alpha says how much of the effect applies at each point. With no mask texture
// bound (the usual case) the sampler reads (0, 0, 0, 1): the effect applies everywhere.
float2 Scale : register(ps, c0) = {1, 1};
texture Mask;
texture Background;

// Mirrored at the edges, so that shifted and distorted lookups never smear the border.
sampler BackgroundSampler : register(s0) = sampler_state {
  Texture = <Background>;
  AddressU = Mirror;
  AddressV = Mirror;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = None;
};

sampler MaskSampler : register(s1) = sampler_state {
  Texture = <Mask>;
  AddressU = Clamp;
  AddressV = Clamp;
  MinFilter = Linear;
  MagFilter = Linear;
  MipFilter = None;
};
