#include "items/shader/kq_base_fx_ctrl.h"

void KQ_BaseFXCtrl::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_BaseFXCtrl", 1);
  KQ_FXParticleSystemCtrl::Write(stream);
}

void KQ_BaseFXCtrl::Read(KQ_IOF_Virtual& stream, unsigned long) {
  KQ_FXParticleSystemCtrl::Read(stream, ReadSectionHeader(stream));
}
