// Background copy: the picture drawn again over itself (effect 75), shifted by a distance in
// picture pixels. Its clock stands still: nothing about it changes over time.
#pragma once

#include "document/media_rectangle.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"

class KQ_BackgroundCopy : public ItemClass<KQ_BackgroundCopy, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_BackgroundCopy";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.copyRect, s.unitShiftY, s.unitShiftX);
  }

  KQ_BackgroundCopy();

  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  // Only the two extra values are used: the copy's shift in picture pixels, x then y.
  MediaRectangle copyRect;
  MediaParamT<int> unitShiftY;  // non-zero adds one whole picture height to the shift
  MediaParamT<int> unitShiftX;  // non-zero adds one whole picture width
};
