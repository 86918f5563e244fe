#include "items/shader/kq_glowing_obj.h"

#include "document/doc_res_manager.h"
#include "items/d3dx_effect_calls.h"
#include "render/current_device.h"
#include "render/picture_position.h"

KQ_GlowingObj::KQ_GlowingObj(std::unique_ptr<KQ_BaseSpriteProp> settingsCopy)
    : KQ_ABObj(std::move(settingsCopy)), glow_(static_cast<KQ_GlowEffectCtrl&>(Settings())) {
  settings = &glow_;
  BindCount(glow_.count);
  glow_.LoadResources();
  if (CurrentDevice) glowTarget_.Create(TargetSize, TargetSize);
  if (CurrentDocResManager) {
    registeredIn_ = &CurrentDocResManager->GetResourceCache();
    registeredIn_->guidTargets[targetKey_.key] = &glowTarget_;
  }
}

KQ_GlowingObj::~KQ_GlowingObj() {
  if (registeredIn_) registeredIn_->guidTargets.erase(targetKey_.key);
}

void KQ_GlowingObj::Update(float t) {
  glow_.UpdateFrame();
  ParticleGeomArray::Update(t);
  FillVertices();
}

void KQ_GlowingObj::Draw(KQ_ABRender& light) {
  if (!glow_.Effect()) return;
  D3DXEffectCalls calls(glow_.Effect());
  DrawPasses(calls, light);
}

void KQ_GlowingObj::DrawPasses(EffectCalls& effect, KQ_ABRender& light) {
  // Without its textures the target would send the glow pass and its clear to
  // the screen.
  if (glowTarget_.HasTextures()) {
    effect.SetTexture("Texture1", glow_.GlowTexture());
    effect.SetTechnique("Blend_Max");
    glowTarget_.Begin(glowTarget_.current);
    light.PushTargetSize(glowTarget_, PositionCaptureStretch);
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
    effect.DrawSprites(light, *this);
    glowTarget_.End();
    light.PopTargetSize();

    effect.SetTechnique(glow_.CompositeTechnique());
    float blendColor[4];
    glow_.BlendColor(blendColor);
    effect.SetFloatArray("BlendColor", blendColor, 4);
    effect.SetTexture("Texture1", *light.GetSceneTexture());
    effect.SetTexture("Texture2", glowTarget_.current);
    effect.DrawQuad(light, light.GetPictureQuad());
  }
  effect.SetTechnique("Common");
  effect.SetTexture("Texture1", glow_.TopTexture());
  effect.DrawSprites(light, *this);
}
