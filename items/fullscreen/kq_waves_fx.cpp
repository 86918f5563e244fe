#include "items/fullscreen/kq_waves_fx.h"

#include "document/class_registry.h"
#include "items/fullscreen/direction_vector.h"

REGISTER_DOCUMENT_CLASS(KQ_WavesFX);

KQ_WavesFX::KQ_WavesFX() : ItemClass(77, 25, 1.0f) { Bind(); }

KQ_WavesFX::KQ_WavesFX(const KQ_WavesFX& other)
    : ItemClass(other),
      amplitude(other.amplitude),
      frequency(other.frequency),
      angle(other.angle),
      parallelNormal(other.parallelNormal) {
  Bind();
}

void KQ_WavesFX::Bind() {
  bindings_.BindFunLightCtrl2(&KQ_WavesFX::OnDirectionChanged, angle);
  bindings_.BindFunLightCtrl2(&KQ_WavesFX::OnDirectionChanged, parallelNormal);
  OnDirectionChanged();
}

void KQ_WavesFX::OnDirectionChanged() {
  const double turn = DirectionalTurn(angle.Get());
  direction = TurnedAboutZ({1, 0, 0, 0}, turn);
  normal = TurnedAboutZ(parallelNormal.Get() != 0 ? D3DXVECTOR4(-1, 0, 0, 0)
                                                  : D3DXVECTOR4(0, 1, 0, 0),
                        turn);
}

void KQ_WavesFX::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  const float against[2] = {-direction.x, -direction.y};
  effect.SetFloatArray("direction", against, 2);
  const float across[2] = {normal.x, normal.y};
  effect.SetFloatArray("direction_n", across, 2);
  effect.SetFloat("frequency", 1.0f / frequency.Result());
  effect.SetFloat("amplitude", amplitude.Result());
  effect.SetFloat("time", LocalTime() * 0.08f);
  DrawEffectPass(effect, light);
}
