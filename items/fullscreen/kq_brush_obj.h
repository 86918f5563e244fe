// The run-time object of every full-screen effect: it owns a clone of the effect's settings and
// forwards time and drawing to it. Making it loads the clone's effect and its mask (the
// document's generated texture under the mask's GUID), so both are ready for the first frame.
#pragma once

#include <memory>

#include "items/fullscreen/kq_fx_constructor.h"
#include "items/kq_abobj.h"

class KQ_BrushObj final : public KQ_ABObj {
public:
  explicit KQ_BrushObj(std::unique_ptr<KQ_FX_Constructor> clone);

  void Draw(KQ_ABRender& light) override { fx_.ApplyEffect(light); }
  void Update(float t) override { fx_.Update(t); }
  int NeedsSceneCapture() const override { return fx_.NeedsSceneCapture(); }
  bool HidesPicture() const override { return fx_.HidesPicture(); }

  KQ_FX_Constructor& Fx() const { return fx_; }

private:
  KQ_FX_Constructor& fx_;  // the clone the base owns
};
