#include "items/fullscreen/kq_light_fx.h"

#include <cmath>

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "render/noise.h"

REGISTER_DOCUMENT_CLASS(KQ_LightFX);

KQ_LightFX::KQ_LightFX() : KQ_FX_Constructor(76, 40, 1.0f) {}

void KQ_LightFX::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, strength, waveform);
  ReadBaseSections(stream);
}

void KQ_LightFX::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_LightFX", CurrentVersion);
  WriteSettings(stream, strength, waveform);
  KQ_FX_Constructor::Write(stream);
}

std::unique_ptr<KQ_FX_Constructor> KQ_LightFX::Clone() const {
  return std::make_unique<KQ_LightFX>(*this);
}

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
