#include "items/fullscreen/kq_light_fx.h"

#include <cmath>

#include "document/class_registry.h"
#include "render/noise.h"

REGISTER_DOCUMENT_CLASS(KQ_LightFX);

KQ_LightFX::KQ_LightFX() : ItemClass(76, 40, 1.0f) {}

float KQ_LightFX::Wave() const {
  const float t = LocalTime();
  if (waveform.Get() >= Noise) {
    return static_cast<float>((FractalNoise1D(10.0 * t, 75.0, 0.5, 2) + 1.0) * 0.5);
  }
  const float m = (std::sin(0.2f * t) + 1.0f) * 0.5f;
  if (waveform.Get() == Square) return m > 0.5f ? 1.0f : 0.0f;
  return m;
}

void KQ_LightFX::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  effect.SetFloat("multiplier", strength.Result() * Wave());
  DrawEffectPass(effect, light);
}
