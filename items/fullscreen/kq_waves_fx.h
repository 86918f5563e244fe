// Waves: waves running across the picture along a direction given in degrees (effect 77). The
// direction and its normal follow the angle and the parallel-normal flag through bindings; a
// section read stores both quietly, so only copies (the run-time clone) recompute them.
#pragma once

#include "document/owned_control_list.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"

class KQ_WavesFX : public ItemClass<KQ_WavesFX, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_WavesFX";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.amplitude, s.frequency, s.angle, s.parallelNormal);
  }

  KQ_WavesFX();
  // A copy with bindings of its own and vectors made from its angle.
  KQ_WavesFX(const KQ_WavesFX& other);
  KQ_WavesFX& operator=(const KQ_WavesFX&) = delete;

  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  // direction := (1, 0) turned by 360 - angle degrees; normal := (0, 1) turned the same way,
  // or (-1, 0) turned so when the parallel-normal flag is set.
  void OnDirectionChanged();

  UINTSclaleTo<float> amplitude{50, 0.00025f};
  UINTSclaleTo<float> frequency{50, 0.0005f, 0.001f};  // the wavelength; its reciprocal is sent
  MediaParamT<unsigned int> angle;     // degrees
  MediaParamT<int> parallelNormal;     // non-zero: the normal points against the direction
  D3DXVECTOR4 direction{1, 0, 0, 0};
  D3DXVECTOR4 normal{0, 1, 0, 0};

private:
  void Bind();

  OwnedControlList<KQ_WavesFX> bindings_{this};
};
