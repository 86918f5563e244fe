// Clearing what is bound: a device refuses a whole Clear that names a depth buffer while none is
// bound (as while a scene capture draws into a texture), so the depth part is dropped then.
#pragma once

#include <d3d9.h>

// Clear on CurrentDevice of `flags` (D3DCLEAR_TARGET and / or D3DCLEAR_ZBUFFER), without
// D3DCLEAR_ZBUFFER when no depth-stencil surface is bound; nothing left to clear does nothing.
HRESULT ClearBoundSurfaces(DWORD flags, D3DCOLOR color, float z, DWORD stencil);
