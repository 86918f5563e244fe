// The run-time object of the single-point shader effects (the explosion): the
// particles of its settings copy, drawn with the settings' effect.
#pragma once

#include <memory>

#include "items/kq_abobj.h"
#include "items/particle_geom_array.h"
#include "items/shader/kq_stat_base_fx_ctrl.h"

class KQ_FXObj final : public KQ_ABObj, public ParticleGeomArray {
public:
  // Takes over the settings copy (a KQ_StatBaseFXCtrl): spawns the particles
  // and loads the effect and the textures.
  explicit KQ_FXObj(std::unique_ptr<KQ_BaseSpriteProp> settingsCopy);

  // The settings' frame update, then the particles through the effect; nothing
  // without one.
  void Draw(KQ_ABRender& light) override;
  // The clock step, every move, then the quads.
  void Update(float t) override;

  // What Draw does after the frame update, through `effect`.
  void DrawWith(EffectCalls& effect, KQ_ABRender& light);

  KQ_StatBaseFXCtrl& Fx() const { return fx_; }

private:
  KQ_StatBaseFXCtrl& fx_;  // the copy the base owns
};
