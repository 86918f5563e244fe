// The settings level of the shader effects that stand at one point of the
// picture: the centre, the picture's middle unless the document says otherwise.
// Their run-time object is a KQ_FXObj, which runs one frame as the clock step,
// MoveParticle for every particle, and, when it draws, UpdateFrame and the
// effect's parameters.
#pragma once

#include <memory>

#include "document/media_param_t.h"
#include "items/effect_calls.h"
#include "items/section_class.h"
#include "items/shader/kq_base_fx_ctrl.h"

// The centre, then the "KQ_BaseFXCtrl" section.
class KQ_StatBaseFXCtrl : public SectionClass<KQ_StatBaseFXCtrl, KQ_BaseFXCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_StatBaseFXCtrl";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.centre);
  }

  KQ_StatBaseFXCtrl();

  // A KQ_FXObj around a copy of these settings.
  std::unique_ptr<KQ_ABObj> CreateObject() override;

  // Per frame before the draw.
  virtual void UpdateFrame() = 0;
  // The technique and every parameter for this frame's draw.
  virtual void SetEffectParameters(EffectCalls& effect) const = 0;

  MediaParamT<D3DXVECTOR3> centre;  // picture pixels
};
