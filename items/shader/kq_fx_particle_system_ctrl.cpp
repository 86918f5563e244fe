#include "items/shader/kq_fx_particle_system_ctrl.h"

#include "document/doc_res_manager.h"

void KQ_FXParticleSystemCtrl::LoadResources() {
  if (!CurrentDocResManager) return;
  // The manager hands out a reference of its own; a second load finds the same
  // cached effect.
  effect_.Adopt(CurrentDocResManager->GetEffect(effectFile));
}
