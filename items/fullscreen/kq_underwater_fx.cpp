#include "items/fullscreen/kq_underwater_fx.h"

#include "document/setting_stream.h"

KQ_UnderwaterFX::KQ_UnderwaterFX() : KQ_FX_Constructor(88, 25, 1.0f) {}

void KQ_UnderwaterFX::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, amplitude, frequency);
  ReadBaseSections(stream);
}

std::unique_ptr<KQ_UnderwaterFX> ReadUnderwaterFX(KQ_IOF_Virtual& stream) {
  return ReadEmbeddedEffect<KQ_UnderwaterFX>(stream);
}

void KQ_UnderwaterFX::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_UnderwaterFX", CurrentVersion);
  WriteSettings(stream, amplitude, frequency);
  KQ_FX_Constructor::Write(stream);
}

std::unique_ptr<KQ_FX_Constructor> KQ_UnderwaterFX::Clone() const {
  return std::make_unique<KQ_UnderwaterFX>(*this);
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
