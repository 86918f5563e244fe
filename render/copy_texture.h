// A private, managed copy of a picture or of a render-target result.
#pragma once

#include <d3d9.h>

// Level 0 of `source` filtered into level 0 of a new width x height texture with a full mip chain
// (the lower levels are left unfilled: the scene samples level 0 only). Null when the source is
// null or the copy cannot be made.
IDirect3DTexture9* CopyTexture(IDirect3DTexture9* source, UINT width, UINT height,
                               D3DFORMAT format);

// Filters level 0 of `source` into level 0 of `target`.
HRESULT CopyLevelZero(IDirect3DTexture9* source, IDirect3DTexture9* target);
