// A falling leaf: the drift of KQ_SreamAnim, with the leaf scaled to the item's size, tumbling
// about its own centre on three axes and swinging on an arm about two more.
#pragma once

#include "items/objects3d/kq_sream_anim.h"

class KQ_LeafFallAnim : public KQ_SreamAnim {
public:
  enum Axis { TumbleX, TumbleY, TumbleZ, SwingY, SwingX, AxisCount };

  // The drift's draws, then each tumble's direction and rate, then for each swing whether it
  // is on at all, its direction and its rate.
  explicit KQ_LeafFallAnim(const DriftParameters& driftParameters);

  // frame.world := frame.local x the leaf's scale, tumble, swing and place.
  void Animate(KQ_Frame& frame) override;

  float rate[AxisCount];   // degrees per unit of step x spin (tumbles) or x sway (swings) x 0.4
  float angle[AxisCount];  // degrees
};
