// The calls an effect item (a full-screen effect, a shader particle system) makes on its ID3DXEffect: its parameters by name, its technique,
// and the draws through the slide's light. Effects are shared by every item that links the same
// file, so an item sets all of its parameters and its technique before each draw.
//
// D3DXEffectCalls makes the calls on the loaded effect; tests hand in a recorder instead, so
// every value an item sends can be checked without a device.
#pragma once

#include <d3dx9effect.h>

#include "items/kq_ab_render.h"

class EffectCalls {
public:
  virtual ~EffectCalls() = default;

  virtual void SetTechnique(const char* name) = 0;
  virtual void SetFloat(const char* name, float value) = 0;
  virtual void SetFloatArray(const char* name, const float* values, UINT count) = 0;
  virtual void SetTexture(const char* name, IDirect3DBaseTexture9* texture) = 0;
  virtual void SetMatrix(const char* name, const D3DXMATRIX& matrix) = 0;

  // Every pass of the current technique over `quad`, which the light places.
  virtual void DrawQuad(KQ_ABRender& light, const KQ_SimpleMesh<DX_V::PT>& quad) = 0;
  // Every pass over `mesh`, which the effect places itself.
  virtual void DrawIndexed(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PT>& mesh) = 0;
  // Every pass over the sprite quads of `sprites`, which the light places.
  virtual void DrawSprites(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PCT>& sprites) = 0;
};
