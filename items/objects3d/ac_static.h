// The clock face's animator: sizes the clock by the object size and places it at the centre of
// the clock's rectangle, whose edges it keeps around that centre.
#pragma once

#include <d3dx9math.h>

#include "document/owned_control_list.h"
#include "render/kq_animation_base.h"

class KQ_ClockConstructor;

class AC_Static : public KQ_AnimationBase {
public:
  // Takes the size at once (which rewrites the rectangle's edges) and the centre as it is now.
  explicit AC_Static(KQ_ClockConstructor& settings);

  // frame.world := size x frame.local x position.
  void Animate(KQ_Frame& frame) override;

  KQ_ClockConstructor& settings;
  D3DXMATRIX sizeMatrix;      // uniform scaling by the object size
  D3DXMATRIX positionMatrix;  // translation to the rectangle's centre

private:
  void OnSizeChanged(unsigned int objectSize);
  void OnRectangleChanged();
  // The edges, object size / 2 (rounded down) around the centre.
  void PlaceEdges(unsigned int objectSize);
  // positionMatrix := the rectangle's centre.
  void TakeCentre();

  OwnedControlList<AC_Static> bindings_{this};
};
