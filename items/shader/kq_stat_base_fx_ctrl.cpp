#include "items/shader/kq_stat_base_fx_ctrl.h"

#include "document/setting_stream.h"
#include "items/shader/kq_fx_obj.h"
#include "render/view_frame.h"

KQ_StatBaseFXCtrl::KQ_StatBaseFXCtrl()
    : centre(D3DXVECTOR3(static_cast<float>(TheViewFrame.pictureWidth) / 2,
                         static_cast<float>(TheViewFrame.pictureHeight) / 2, 0)) {}

void KQ_StatBaseFXCtrl::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_StatBaseFXCtrl", 1);
  WriteSetting(stream, centre);
  KQ_BaseFXCtrl::Write(stream);
}

void KQ_StatBaseFXCtrl::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSetting(stream, centre);
  KQ_BaseFXCtrl::Read(stream, ReadSectionHeader(stream));
}

std::unique_ptr<KQ_ABObj> KQ_StatBaseFXCtrl::CreateObject() {
  return std::make_unique<KQ_FXObj>(Clone());
}
