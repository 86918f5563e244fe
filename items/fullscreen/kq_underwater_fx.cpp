#include "items/fullscreen/kq_underwater_fx.h"


KQ_UnderwaterFX::KQ_UnderwaterFX() : ItemClass(88, 25, 1.0f) {}

std::unique_ptr<KQ_UnderwaterFX> ReadUnderwaterFX(KQ_IOF_Virtual& stream) {
  return ReadEmbeddedEffect<KQ_UnderwaterFX>(stream);
}

void KQ_UnderwaterFX::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  const PictureSize picture = PictureSizeOf(light);
  const float f = 1.0f / frequency.Result();
  const float waves[2] = {f * picture.width / picture.height, f};
  effect.SetFloatArray("frequency", waves, 2);
  effect.SetFloat("amplitude", amplitude.Result());
  effect.SetFloat("time", LocalTime() * 0.08f);
  DrawEffectPass(effect, light);
}
