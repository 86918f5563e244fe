#include "items/d3dx_effect_calls.h"

// The pack's effects are created without D3DXFX_LARGEADDRESSAWARE, so a name is a handle.

void D3DXEffectCalls::SetTechnique(const char* name) { effect_->SetTechnique(name); }

void D3DXEffectCalls::SetFloat(const char* name, float value) { effect_->SetFloat(name, value); }

void D3DXEffectCalls::SetFloatArray(const char* name, const float* values, UINT count) {
  effect_->SetFloatArray(name, values, count);
}

void D3DXEffectCalls::SetTexture(const char* name, IDirect3DBaseTexture9* texture) {
  effect_->SetTexture(name, texture);
}

void D3DXEffectCalls::SetMatrix(const char* name, const D3DXMATRIX& matrix) {
  effect_->SetMatrix(name, &matrix);
}

void D3DXEffectCalls::DrawQuad(KQ_ABRender& light, const KQ_SimpleMesh<DX_V::PT>& quad) {
  light.DrawQuadWithEffect(quad, effect_);
}

void D3DXEffectCalls::DrawIndexed(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PT>& mesh) {
  light.DrawIndexedWithEffect(mesh, effect_);
}

void D3DXEffectCalls::DrawSprites(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PCT>& sprites) {
  light.DrawSpritesWithEffect(sprites, effect_);
}
