#include "items/fullscreen/kq_direction_based.h"

#include "document/setting_stream.h"
#include "items/fullscreen/direction_vector.h"

KQ_DirectionBased::KQ_DirectionBased() { Bind(); }

KQ_DirectionBased::KQ_DirectionBased(int effectId, unsigned int speedValue, float speedScale)
    : KQ_FX_Constructor(effectId, speedValue, speedScale) {
  Bind();
}

KQ_DirectionBased::KQ_DirectionBased(const KQ_DirectionBased& other)
    : KQ_FX_Constructor(other), magnitude(other.magnitude), angle(other.angle) {
  Bind();
}

void KQ_DirectionBased::Bind() {
  bindings_.BindFunLightCtrl2(&KQ_DirectionBased::OnAngleChanged, angle);
  OnAngleChanged();
}

void KQ_DirectionBased::OnAngleChanged() {
  direction = TurnedAboutZ({1, 0, 0, 0}, DirectionalTurn(angle.Get()));
}

void KQ_DirectionBased::ReadDirectionSections(KQ_IOF_Virtual& stream) {
  ReadSectionHeader(stream);
  ReadSettings(stream, magnitude, angle);
  ReadBaseSections(stream);
}

void KQ_DirectionBased::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_DirectionBased", CurrentVersion);
  WriteSettings(stream, magnitude, angle);
  KQ_FX_Constructor::Write(stream);
}
