// A discharge: a still picture of a sprite sheet that jumps to a random other frame of the
// sheet at each frame step (with sheet mode and a frame rate).
#pragma once

#include "items/sprites/kq_stat_obj_constructor.h"

class KQ_DischargeConstructor
    : public SpriteClass<KQ_DischargeConstructor, KQ_StatObjConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_DischargeConstructor";

  // A random frame other than `previous`; with fewer than two frames there is none, and the
  // previous one stays.
  uint32_t NextFrameIndex(uint32_t previous) override;
};
