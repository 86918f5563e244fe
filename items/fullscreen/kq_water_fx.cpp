#include "items/fullscreen/kq_water_fx.h"

#include <cmath>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "document/first_frame.h"
#include "items/fullscreen/direction_vector.h"
#include "items/fullscreen/effect_colour.h"

REGISTER_DOCUMENT_CLASS(KQ_WaterFX);

namespace {

// rho = (sqrt(e) + e) / (e - 1) with e = 2 / a - 1, the middle of "P2". It is finite only for
// 0 < a <= 2 and a != 1; a non-finite one would leave every pixel of the shader undefined, so
// a = 0 takes rho's limit 1, beyond 2 rho keeps its value at 2, and the pole a = 1 takes the
// value of the slider step below it.
float ProfileRatio(float a, float step) {
  if (!(a > 0.0f)) return 1.0f;
  auto ratio = [](float term) {
    const float e = 2.0f / term - 1.0f;
    return (std::sqrt(e) + e) / (e - 1.0f);
  };
  const float rho = ratio(a > 2.0f ? 2.0f : a);
  return std::isfinite(rho) ? rho : ratio(a - step);
}

}  // namespace

KQ_WaterFX::KQ_WaterFX() : ItemClass(90, 50, 0.02f) {
  scale.Set(30);
  Bind();
}

KQ_WaterFX::KQ_WaterFX(const KQ_WaterFX& other)
    : ItemClass(other),
      profile(other.profile),
      bumpStrength(other.bumpStrength),
      flowLength(other.flowLength),
      flowPeriod(other.flowPeriod),
      angle(other.angle),
      shadows(other.shadows),
      halfVectorZ(other.halfVectorZ),
      tint(other.tint),
      bumpImage(other.bumpImage) {
  Bind();
}

void KQ_WaterFX::Bind() {
  bindings_.BindFunLightCtrl2(&KQ_WaterFX::OnAngleChanged, angle);
  OnAngleChanged();
}

void KQ_WaterFX::OnAngleChanged() {
  direction = TurnedAboutZ({1, 0, 0, 0}, static_cast<double>(angle.Get()));
}

void KQ_WaterFX::CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) {
  bumpTexture_.Share(FirstFrame(bumpImage));
  KQ_FX_Constructor::CreateDeviceObjects(maskSlot);
}

void KQ_WaterFX::Update(float seconds) {
  KQ_FX_Constructor::Update(seconds);
  const float x = (LocalTime() * 0.5f) * 9.0f;  // 4.5 radians per second of the clock
  const float k = bumpStrength.Result();
  const float c = k * std::cos(x), s = k * std::sin(x);
  bumpTransform[0] = c;
  bumpTransform[1] = -s;
  bumpTransform[2] = s;
  bumpTransform[3] = c;
}

void KQ_WaterFX::ProfileTerms(float p1[3], float p2[3]) const {
  const float a = profile.Result();
  p1[0] = a - 1.0f;
  p1[1] = -1.0f;
  p1[2] = a - 1.0f;
  p2[0] = 1.0f;
  p2[1] = ProfileRatio(a, profile.Scale());
  p2[2] = 1.0f;
}

void KQ_WaterFX::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  float p1[3], p2[3];
  ProfileTerms(p1, p2);
  const float period = 0.5f / flowPeriod.Result();
  const float length = 0.5f * flowLength.Result();
  const float direction1[2] = {-direction.x * period, -direction.y * period};
  const float direction2[2] = {-direction.x * length, -direction.y * length};
  D3DXVECTOR3 half;
  const D3DXVECTOR3 towards(1.0f, 2.0f, halfVectorZ.Result());
  D3DXVec3Normalize(&half, &towards);
  float colour[3];
  EffectColour(tint.Get(), colour);

  effect.SetTexture("BumpMap", bumpTexture_.Get());
  effect.SetFloatArray("BampTrans", bumpTransform, 4);
  effect.SetFloatArray("P1", p1, 3);
  effect.SetFloatArray("P2", p2, 3);
  effect.SetFloat("Time", 2.0f * LocalTime());
  effect.SetFloatArray("Direction1", direction1, 2);
  effect.SetFloatArray("Direction2", direction2, 2);
  effect.SetFloat("Shadows", shadows.Result());
  effect.SetFloatArray("Vhalf", half, 3);
  effect.SetFloatArray("Color", colour, 3);
  DrawEffectPass(effect, light);
}
