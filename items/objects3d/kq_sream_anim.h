// The drift of one falling leaf across the picture: along the item's heading at the leaf's own
// pace, swaying across it, and wrapping round at the picture's edges (a leaf that leaves on one
// side comes back at a random place on the opposite side, half its size beyond the edge).
// The animator moves by AnimationClock rather than by a time argument.
#pragma once

#include <d3dx9math.h>

#include "items/objects3d/drift_parameters.h"
#include "render/kq_animation_base.h"

class KQ_SreamAnim : public KQ_AnimationBase {
public:
  // Moves the leaf; the frame is not used at this level.
  void Animate(KQ_Frame& frame) override;

  D3DXMATRIX placement;     // translation to the leaf's position: x in _41, y in _42
  float swayFactor;         // -1 to 1
  float swayChangedAt = 0;  // AnimationClock at the last sway change
  float pace;               // the leaf's own speed factor, 0.07 to 0.13
  float lastClock = 0;      // AnimationClock at the previous update
  float step = 0;           // seconds since the previous update, at most 0.2
  const DriftParameters* params;

protected:
  // A random place on the picture, sway and pace (in that order of draws).
  explicit KQ_SreamAnim(const DriftParameters& driftParameters);

private:
  void ChangeSway(float clock);

  bool started_ = false;  // the first update only starts the clock
};
