// Two render-target textures of one size, one of them current: rendering can be redirected into
// a texture and back, and a flip swaps the two while handing out the one holding the result so
// far. Used for scene capture and the glow passes.
//
// The textures live in the default pool, so they are lost on a device reset: the owner calls
// Release before a reset and Create after it. A target whose textures could not be made stays
// empty, and then Begin, Flip and End leave the device's render target alone.
#pragma once

#include <d3d9.h>

class PingPongTarget {
public:
  PingPongTarget() = default;
  PingPongTarget(const PingPongTarget&) = delete;
  PingPongTarget& operator=(const PingPongTarget&) = delete;
  ~PingPongTarget() { Release(); }

  // Two new w x h A8R8G8B8 render targets in place of the old ones; both or neither.
  HRESULT Create(int w, int h);
  // Create, then level 0 of `source` (when not null) filtered into the current texture.
  HRESULT CreateCopyOf(IDirect3DTexture9* source, int w, int h);
  // Ends a redirection still in place and lets go of both textures and the saved surfaces:
  // nothing of this target outlives a reset.
  void Release();
  bool HasTextures() const { return current != nullptr; }

  // Saves render target 0 and the depth-stencil surface, then renders into level 0 of `texture`
  // without depth buffer. Does nothing for a null texture.
  void Begin(IDirect3DTexture9* texture);
  // Puts back what Begin saved.
  void End();
  // Makes the other texture current, renders into it and clears it to opaque black. Returns the
  // texture that was current (no reference added; valid until the next Flip or Create), or null
  // when the target has no textures.
  IDirect3DTexture9* Flip();

  IDirect3DTexture9* current = nullptr;      // one of `textures`, with its own reference
  IDirect3DTexture9* textures[2] = {};
  IDirect3DSurface9* savedTarget = nullptr;  // render target 0 before Begin
  IDirect3DSurface9* savedDepth = nullptr;   // depth-stencil surface before Begin
  int width = 0;
  int height = 0;
  int index = 0;                             // which of `textures` is current
};
