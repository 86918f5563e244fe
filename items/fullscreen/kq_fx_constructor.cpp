#include "items/fullscreen/kq_fx_constructor.h"

#include <objbase.h>

#include <algorithm>

#include "document/doc_res_manager.h"
#include "document/guid_string.h"
#include "document/setting_stream.h"
#include "items/d3dx_effect_calls.h"
#include "items/fullscreen/kq_brush_obj.h"

namespace {

// The divisor of "Scale" for scale value 1: value 0 would divide by zero.
constexpr float SmallestScaleDivisor = 0.02f;

}  // namespace

KQ_FX_Constructor::KQ_FX_Constructor() {
  CoCreateGuid(&maskKey.id);
  maskKey.flag = true;
}

KQ_FX_Constructor::KQ_FX_Constructor(int effectId, unsigned int speedValue, float speedScale)
    : KQ_FX_Constructor() {
  effectFile.Store({L"tessaly.dll", effectId});
  speed.SetScale(speedScale, 0.0f);
  speed.Set(speedValue);
}

void KQ_FX_Constructor::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_FX_Constructor", CurrentVersion);
  WriteVersion1Fields(stream);
  WriteSetting(stream, scale);
  KQ_ABObj_Constructor::Write(stream);
}

void KQ_FX_Constructor::WriteVersion1Fields(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, speed, asEffect);
  WriteGuidString(stream, maskKey.id);
  WriteSetting(stream, maskKey.name);
  stream.WriteBool(maskKey.flag);
  WriteSetting(stream, effectFile);
}

void KQ_FX_Constructor::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, speed, asEffect);
  ReadGuidString(stream, maskKey.id);
  ReadSetting(stream, maskKey.name);
  stream.ReadBool(maskKey.flag);
  ReadSetting(stream, effectFile);
  if (version > 1) ReadSetting(stream, scale);
  ReadConstructorSection(stream);
}

std::unique_ptr<KQ_ABObj> KQ_FX_Constructor::CreateObject() {
  return std::make_unique<KQ_BrushObj>(Clone());
}

void KQ_FX_Constructor::CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) {
  effect_.Adopt(CurrentDocResManager ? CurrentDocResManager->GetEffect(effectFile) : nullptr);
  SetMaskTexture(maskSlot);
}

void KQ_FX_Constructor::Update(float seconds) { speed.Advance(seconds); }

void KQ_FX_Constructor::ApplyEffect(KQ_ABRender& light) {
  // An effect that could not be loaded draws nothing.
  if (!effect_.Get()) return;
  D3DXEffectCalls calls(effect_.Get());
  ApplyEffectWith(calls, light);
}

void KQ_FX_Constructor::SetMaskTexture(IDirect3DTexture9* const* slot) {
  maskTexture_.Share(slot ? *slot : nullptr);
}

KQ_FX_Constructor::PictureSize KQ_FX_Constructor::PictureSizeOf(const KQ_ABRender& light) {
  const UINT width = light.GetPictureWidth(), height = light.GetPictureHeight();
  return {static_cast<float>(width ? width : 1), static_cast<float>(height ? height : 1)};
}

void KQ_FX_Constructor::DrawEffectPass(EffectCalls& effect, KQ_ABRender& light) const {
  const PictureSize picture = PictureSizeOf(light);
  const float aspect = picture.width / picture.height;
  const float k = std::max(scale.Result(), SmallestScaleDivisor);
  effect.SetTechnique(asEffect.Get() != 0 ? "MainFX" : "Main");
  const float scaled[2] = {aspect / k, 1.0f / k};
  effect.SetFloatArray("Scale", scaled, 2);
  effect.SetTexture("Mask", maskTexture_.Get());
  effect.SetTexture("Background", *light.GetSceneTexture());
  effect.DrawQuad(light, light.GetPictureQuad());
}
