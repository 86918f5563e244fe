#include "items/shader/kq_fx_particle_system_ctrl.h"

#include "document/doc_res_manager.h"
#include "document/setting_stream.h"

void KQ_FXParticleSystemCtrl::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_FXParticleSystemCtrl", 1);
  WriteFileLink(stream, effectFile);
  KQ_BaseSpriteProp::Write(stream);
}

void KQ_FXParticleSystemCtrl::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadFileLink(stream, effectFile);
  KQ_BaseSpriteProp::Read(stream, ReadSectionHeader(stream));
}

void KQ_FXParticleSystemCtrl::LoadResources() {
  if (!CurrentDocResManager) return;
  // The manager hands out a reference of its own; a second load finds the same
  // cached effect.
  effect_.Adopt(CurrentDocResManager->GetEffect(effectFile));
}
