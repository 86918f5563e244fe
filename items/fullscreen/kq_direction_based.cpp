#include "items/fullscreen/kq_direction_based.h"

#include "items/fullscreen/direction_vector.h"

KQ_DirectionBased::KQ_DirectionBased() { Bind(); }

KQ_DirectionBased::KQ_DirectionBased(int effectId, unsigned int speedValue, float speedScale)
    : SectionClass(effectId, speedValue, speedScale) {
  Bind();
}

KQ_DirectionBased::KQ_DirectionBased(const KQ_DirectionBased& other)
    : SectionClass(other), magnitude(other.magnitude), angle(other.angle) {
  Bind();
}

void KQ_DirectionBased::Bind() {
  bindings_.BindFunLightCtrl2(&KQ_DirectionBased::OnAngleChanged, angle);
  OnAngleChanged();
}

void KQ_DirectionBased::OnAngleChanged() {
  direction = TurnedAboutZ({1, 0, 0, 0}, DirectionalTurn(angle.Get()));
}
