#include "items/shader/kq_stat_base_fx_ctrl.h"

#include "items/shader/kq_fx_obj.h"
#include "render/picture_layout.h"

KQ_StatBaseFXCtrl::KQ_StatBaseFXCtrl()
    : centre(D3DXVECTOR3(static_cast<float>(CurrentViewFrame().pictureWidth) / 2,
                         static_cast<float>(CurrentViewFrame().pictureHeight) / 2, 0)) {}

std::unique_ptr<KQ_ABObj> KQ_StatBaseFXCtrl::CreateObject() {
  return std::make_unique<KQ_FXObj>(Clone());
}
