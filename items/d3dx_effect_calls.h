// The effect calls made on a loaded ID3DXEffect (not owned; it must outlive the calls).
#pragma once

#include "items/effect_calls.h"

class D3DXEffectCalls final : public EffectCalls {
public:
  explicit D3DXEffectCalls(ID3DXEffect* effect) : effect_(effect) {}

  void SetTechnique(const char* name) override;
  void SetFloat(const char* name, float value) override;
  void SetFloatArray(const char* name, const float* values, UINT count) override;
  void SetTexture(const char* name, IDirect3DBaseTexture9* texture) override;
  void SetMatrix(const char* name, const D3DXMATRIX& matrix) override;
  void DrawQuad(KQ_ABRender& light, const KQ_SimpleMesh<DX_V::PT>& quad) override;
  void DrawIndexed(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PT>& mesh) override;
  void DrawSprites(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PCT>& sprites) override;

private:
  ID3DXEffect* effect_;
};
