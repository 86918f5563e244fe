// The effect light that makes the whole slide wobble as if seen under water. It owns one
// full-screen ripple effect and drives it itself rather than as an item: the slide's picture
// and items are captured into a texture, and the light draws that texture through the effect
// onto the back buffer in its effect pass.
#pragma once

#include "items/fullscreen/kq_underwater_fx.h"
#include "show/kq_2d_light.h"

class FakeUndervater : public KQ_2D_Light {
public:
  static constexpr unsigned long CurrentVersion = 2;

  // Version 1 kept only the ripple's speed, at twice today's scale; later versions keep the
  // whole ripple section.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;

  void InitDeviceObjects() override;
  void RenderEffect() override;
  void FrameMove(float t) override;
  bool NeedsSceneCapture() const override { return true; }

  KQ_UnderwaterFX ripple;
};
