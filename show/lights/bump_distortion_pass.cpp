#include "show/lights/bump_distortion_pass.h"

#include "document/doc_res_manager.h"
#include "document/first_frame.h"
#include "items/d3dx_effect_calls.h"
#include "render/screen_quad.h"

void BumpDistortionPass::WriteQuad(float width, float height) {
  if (!quad_.LockVertices()) return;
  const ScreenQuad corners = ScreenQuad::Rectangle(0, 0, width, height);
  for (int i = 0; i < 4; ++i) {
    const ScreenQuadVertex& corner = corners.vertices[i];
    quad_.lockedVertices[i] = {corner.x, corner.y, 0, corner.u, corner.v};
  }
  quad_.UnlockVertices();
}

bool BumpDistortionPass::Load() {
  if (!quad_.vertexBuffer) quad_.CreateQuadStrip();
  WriteQuad(800, 600);
  effect_.Release();
  bumpTexture_.Share(FirstFrame(bumpLink));
  if (CurrentDocResManager) effect_.Adopt(CurrentDocResManager->GetEffect(effectLink));
  return Loaded();
}

void BumpDistortionPass::SetSize(float width, float height) {
  WriteQuad(width, height);
  aspect_ = width > 0 ? height / width : 1.0f;
}

void BumpDistortionPass::Update(float t) {
  if (!Loaded()) return;
  speed.Advance(t);
  D3DXEffectCalls calls(effect_.Get());
  SetParameters(calls);
}

void BumpDistortionPass::SetParameters(EffectCalls& effect) const {
  const float c = speed.LocalTime();
  const float s = bumpScale.Result();
  effect.SetFloat("stenght", strength.Result() * 0.05f);
  const float offset[2] = {c, -c};
  effect.SetFloatArray("Offset", offset, 2);
  const float scale[2] = {s, aspect_ * s};
  effect.SetFloatArray("bump_scale", scale, 2);
}

void BumpDistortionPass::Draw(KQ_ABRender& light, IDirect3DTexture9* scene) {
  if (!Loaded()) return;
  D3DXEffectCalls calls(effect_.Get());
  DrawWith(calls, light, scene);
}

void BumpDistortionPass::DrawWith(EffectCalls& effect, KQ_ABRender& light,
                                  IDirect3DTexture9* scene) const {
  effect.SetTexture("SceneTex", scene);
  effect.SetTexture("Bumpmap", bumpTexture_.Get());
  effect.SetTechnique("BumpmapDistortLow2");
  effect.DrawQuad(light, quad_);
}
