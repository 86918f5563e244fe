// A wing's animator: the flap that the body's animator last set, and which side of the wing
// faces the viewer (the winding the mesh-part draw culls by).
#pragma once

#include <d3dx9math.h>

#include "render/kq_animation_base.h"
#include "render/kq_frame.h"

class AC_ButterflyWing : public KQ_AnimationBase {
public:
  AC_ButterflyWing() { D3DXMatrixIdentity(&wingMatrix); }

  void Animate(KQ_Frame& frame) override {
    frame.world = frame.local * wingMatrix;
    frame.windingFlag = windingFlag;
  }

  D3DXMATRIX wingMatrix;
  BYTE windingFlag = 1;
};
