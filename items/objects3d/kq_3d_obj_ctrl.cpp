#include "items/objects3d/kq_3d_obj_ctrl.h"

#include "items/objects3d/kq_3d_obj_array.h"

std::unique_ptr<KQ_ABObj> KQ_3D_Obj_Ctrl::CreateObject() {
  return std::make_unique<KQ_3DObjArray>(Clone());
}
