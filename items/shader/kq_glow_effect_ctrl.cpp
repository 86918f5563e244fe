#include "items/shader/kq_glow_effect_ctrl.h"

#include "document/first_frame.h"
#include "items/fullscreen/effect_colour.h"
#include "items/shader/kq_glowing_obj.h"

std::unique_ptr<KQ_ABObj> KQ_GlowEffectCtrl::CreateObject() {
  return std::make_unique<KQ_GlowingObj>(Clone());
}

void KQ_GlowEffectCtrl::LoadResources() {
  KQ_FXParticleSystemCtrl::LoadResources();
  LoadGlowTextures();
}

void KQ_GlowEffectCtrl::LoadGlowTextures() {
  glowTexture_.Share(FirstFrame(secondImage));
  topTexture_.Share(FirstFrame(image));
}

const char* KQ_GlowEffectCtrl::CompositeTechnique() const {
  return additive.Get() == 1 ? "Blend_Screen" : "Blend_Normal";
}

void KQ_GlowEffectCtrl::BlendColor(float rgba[4]) const {
  EffectColour(glowColour.Get(), rgba);
  rgba[3] = glowStrength.Result();
}
