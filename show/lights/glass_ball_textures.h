// The three textures the glass-ball light computes itself: a bump map whose perturbations are
// those of a sphere seen from the front (the lens), an alpha mask that is clear inside a circle
// and opaque outside it (the ball's outline), and a vertical two-colour gradient (the default
// background). The texel generators are pure and write into any locked level by its pitch; the
// builders make the managed textures on the current device and fill them.
#pragma once

#include <d3d9.h>

#include <cstdint>

constexpr UINT BumpTextureSize = 256;
constexpr UINT MaskTextureSize = 1024;
constexpr UINT GradientTextureSize = 256;

// 256 x 256 V16U16 texels (U then V, signed 16-bit): the slopes of a hemisphere of radius 128
// centred on texel (128, 128), in single precision as the arc tangent of the height steps to
// the right and downwards. The last column is flat.
void FillBumpTexels(BYTE* bits, INT pitch);
// 1024 x 1024 A8 texels: 0 inside the circle of radius 508 about (512, 512), 255 outside.
void FillMaskTexels(BYTE* bits, INT pitch);
// 256 x 256 A8R8G8B8 texels: row i blends from colour reference `top` (row 0) to `bottom`
// (row 255); byte 0 of a reference gives red, byte 1 green, byte 2 blue; alpha 0.
void FillGradientTexels(BYTE* bits, INT pitch, uint32_t top, uint32_t bottom);

// Each builder first lets go of the texture it replaces; on failure the slot stays null and the
// failure is returned.
HRESULT BuildBumpTexture(IDirect3DTexture9** texture);
HRESULT BuildMaskTexture(IDirect3DTexture9** texture);
// With a full mip chain, every level filled: a background shown smaller than 256 texels (the
// preview window) samples the lower levels.
HRESULT BuildGradientTexture(IDirect3DTexture9** texture, uint32_t top, uint32_t bottom);
