#include "items/fullscreen/kq_background_copy.h"

#include "document/class_registry.h"

REGISTER_DOCUMENT_CLASS(KQ_BackgroundCopy);

// The clock keeps speed 0: the copy never moves.
KQ_BackgroundCopy::KQ_BackgroundCopy() : ItemClass(75, 0, 1.0f) {}

void KQ_BackgroundCopy::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  const PictureSize picture = PictureSizeOf(light);
  float offset[2] = {static_cast<float>(copyRect.first_extra.Get()) / picture.width,
                     static_cast<float>(copyRect.second_extra.Get()) / picture.height};
  if (unitShiftY.Get() != 0) offset[1] += 1.0f;
  if (unitShiftX.Get() != 0) offset[0] += 1.0f;
  effect.SetFloatArray("offset", offset, 2);
  DrawEffectPass(effect, light);
}
