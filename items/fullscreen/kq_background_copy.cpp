#include "items/fullscreen/kq_background_copy.h"

#include "document/class_registry.h"
#include "document/setting_stream.h"

REGISTER_DOCUMENT_CLASS(KQ_BackgroundCopy);

// The clock keeps speed 0: the copy never moves.
KQ_BackgroundCopy::KQ_BackgroundCopy() : KQ_FX_Constructor(75, 0, 1.0f) {}

void KQ_BackgroundCopy::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, copyRect, unitShiftY, unitShiftX);
  ReadBaseSections(stream);
}

void KQ_BackgroundCopy::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_BackgroundCopy", CurrentVersion);
  WriteSettings(stream, copyRect, unitShiftY, unitShiftX);
  KQ_FX_Constructor::Write(stream);
}

std::unique_ptr<KQ_FX_Constructor> KQ_BackgroundCopy::Clone() const {
  return std::make_unique<KQ_BackgroundCopy>(*this);
}

void KQ_BackgroundCopy::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  const PictureSize picture = PictureSizeOf(light);
  float offset[2] = {static_cast<float>(copyRect.first_extra.Get()) / picture.width,
                     static_cast<float>(copyRect.second_extra.Get()) / picture.height};
  if (unitShiftY.Get() != 0) offset[1] += 1.0f;
  if (unitShiftX.Get() != 0) offset[0] += 1.0f;
  effect.SetFloatArray("offset", offset, 2);
  DrawEffectPass(effect, light);
}
