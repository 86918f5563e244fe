// Background copy: the picture drawn again over itself (effect 75), shifted by a distance in
// picture pixels. Its clock stands still: nothing about it changes over time.
#pragma once

#include "document/media_rectangle.h"
#include "items/fullscreen/kq_fx_constructor.h"

class KQ_BackgroundCopy : public KQ_FX_Constructor {
public:
  static constexpr unsigned long CurrentVersion = 1;

  KQ_BackgroundCopy();

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;
  std::unique_ptr<KQ_FX_Constructor> Clone() const override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  // Only the two extra values are used: the copy's shift in picture pixels, x then y.
  MediaRectangle copyRect;
  MediaParamT<int> unitShiftY;  // non-zero adds one whole picture height to the shift
  MediaParamT<int> unitShiftX;  // non-zero adds one whole picture width
};
