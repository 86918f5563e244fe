// Base of the effects that act along one direction given in degrees: the amount of the effect
// and the direction vector, which follows the angle through a binding (a section read stores
// the angle quietly, so only copies recompute the vector).
#pragma once

#include "document/owned_control_list.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "items/section_class.h"

class KQ_DirectionBased : public SectionClass<KQ_DirectionBased, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_DirectionBased";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.magnitude, s.angle);
  }

  KQ_DirectionBased();
  // A copy with a binding of its own and the vector made from its angle.
  KQ_DirectionBased(const KQ_DirectionBased& other);
  KQ_DirectionBased& operator=(const KQ_DirectionBased&) = delete;

  // direction := (1, 0) turned by 360 - angle degrees.
  void OnAngleChanged();

  UINTSclaleTo<float> magnitude{0, 1.0f};  // the amount along the direction
  MediaParamT<unsigned int> angle;         // degrees
  D3DXVECTOR4 direction{1, 0, 0, 0};

protected:
  // The effect file ("tessaly.dll", `effectId`) and the speed value and scale.
  KQ_DirectionBased(int effectId, unsigned int speedValue, float speedScale);

private:
  void Bind();

  OwnedControlList<KQ_DirectionBased> bindings_{this};
};
