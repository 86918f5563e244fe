// A discharge: a still picture of a sprite sheet that jumps to a random other frame of the
// sheet at each frame step (with sheet mode and a frame rate).
#pragma once

#include "items/kq_stat_obj_constructor.h"

class KQ_DischargeConstructor
    : public CloneableSprite<KQ_DischargeConstructor, KQ_StatObjConstructor> {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // A random frame other than `previous`; with fewer than two frames there is none, and the
  // previous one stays.
  uint32_t NextFrameIndex(uint32_t previous) override;
};
