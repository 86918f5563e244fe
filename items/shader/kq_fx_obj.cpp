#include "items/shader/kq_fx_obj.h"

#include "items/d3dx_effect_calls.h"

KQ_FXObj::KQ_FXObj(std::unique_ptr<KQ_BaseSpriteProp> settingsCopy)
    : KQ_ABObj(std::move(settingsCopy)), fx_(static_cast<KQ_StatBaseFXCtrl&>(Settings())) {
  settings = &fx_;
  BindCount(fx_.count);
  fx_.LoadResources();
}

void KQ_FXObj::Update(float t) {
  fx_.Step(t);
  for (const auto& particle : particles) fx_.MoveParticle(*particle);
  FillVertices();
}

void KQ_FXObj::Draw(KQ_ABRender& light) {
  fx_.UpdateFrame();
  if (!fx_.Effect()) return;
  D3DXEffectCalls calls(fx_.Effect());
  DrawWith(calls, light);
}

void KQ_FXObj::DrawWith(EffectCalls& effect, KQ_ABRender& light) {
  fx_.SetEffectParameters(effect);
  effect.DrawSprites(light, *this);
}
