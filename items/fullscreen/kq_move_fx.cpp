#include "items/fullscreen/kq_move_fx.h"

#include <cmath>

#include "document/class_registry.h"
#include "render/noise.h"

REGISTER_DOCUMENT_CLASS(KQ_MoveFX);

KQ_MoveFX::KQ_MoveFX() : ItemClass(91, 50, 0.02f) {
  magnitude = UINTSclaleTo<float>(50, 0.0002f);
}

void KQ_MoveFX::Update(float seconds) {
  KQ_FX_Constructor::Update(seconds);
  const float t = LocalTime();
  const float n = motion.Get() == NoiseMotion
                      ? static_cast<float>(FractalNoise1D(50.0 * t, 75.0, 0.5, 1))
                      : std::sin(t);
  const float m = n * magnitude.Result();
  displacement[0] = m * direction.x;
  displacement[1] = m * direction.y;
}

void KQ_MoveFX::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  effect.SetFloatArray("Direction", displacement, 2);
  DrawEffectPass(effect, light);
}
