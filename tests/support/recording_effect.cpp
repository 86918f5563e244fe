#include "tests/support/recording_effect.h"

#include <gtest/gtest.h>

namespace fx_testing {

void RecordingEffect::SetTechnique(const char* name) {
  calls.push_back({EffectCall::Technique, name, {}});
}

void RecordingEffect::SetFloat(const char* name, float value) {
  calls.push_back({EffectCall::Float, name, {value}});
}

void RecordingEffect::SetFloatArray(const char* name, const float* values, UINT count) {
  calls.push_back({EffectCall::FloatArray, name, std::vector<float>(values, values + count)});
}

void RecordingEffect::SetTexture(const char* name, IDirect3DBaseTexture9* texture) {
  calls.push_back({EffectCall::Texture, name, {}, texture});
}

void RecordingEffect::SetMatrix(const char* name, const D3DXMATRIX& matrix) {
  const float* m = matrix;
  calls.push_back({EffectCall::Matrix, name, std::vector<float>(m, m + 16)});
}

void RecordingEffect::DrawQuad(KQ_ABRender&, const KQ_SimpleMesh<DX_V::PT>& quad) {
  calls.push_back({EffectCall::DrawQuad, "", {}, nullptr, &quad});
}

void RecordingEffect::DrawIndexed(KQ_ABRender&, const KQ_IndexedMesh<DX_V::PT>& mesh) {
  calls.push_back({EffectCall::DrawIndexed, "", {}, nullptr, &mesh});
}

void RecordingEffect::DrawSprites(KQ_ABRender&, const KQ_IndexedMesh<DX_V::PCT>& sprites) {
  calls.push_back({EffectCall::DrawSprites, "", {}, nullptr, &sprites});
}

const EffectCall* RecordingEffect::Last(const std::string& name) const {
  for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
    if (call->name == name && call->kind != EffectCall::Technique) return &*call;
  }
  return nullptr;
}

std::vector<float> RecordingEffect::Values(const std::string& name) const {
  const EffectCall* call = Last(name);
  if (!call) {
    ADD_FAILURE() << "\"" << name << "\" was never set";
    return {};
  }
  return call->values;
}

IDirect3DBaseTexture9* RecordingEffect::Texture(const std::string& name) const {
  const EffectCall* call = Last(name);
  if (!call || call->kind != EffectCall::Texture) {
    ADD_FAILURE() << "texture \"" << name << "\" was never set";
    return nullptr;
  }
  return call->texture;
}

std::string RecordingEffect::Technique() const {
  for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
    if (call->kind == EffectCall::Technique) return call->name;
  }
  return {};
}

int RecordingEffect::Draws() const {
  int draws = 0;
  for (const EffectCall& call : calls) {
    draws += call.kind == EffectCall::DrawQuad || call.kind == EffectCall::DrawIndexed ||
             call.kind == EffectCall::DrawSprites;
  }
  return draws;
}

void TestLight::DrawIndexedWithEffect(const KQ_IndexedMesh<DX_V::PT>& mesh, ID3DXEffect* effect) {
  draws.push_back({&mesh, effect});
}

void TestLight::DrawQuadWithEffect(const KQ_SimpleMesh<DX_V::PT>& mesh, ID3DXEffect* effect) {
  draws.push_back({&mesh, effect});
}

void TestLight::DrawSpritesWithEffect(const KQ_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect) {
  draws.push_back({&mesh, effect});
}

}  // namespace fx_testing
