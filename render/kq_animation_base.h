// What a frame calls to compute its world matrix: the animators of the 3D objects and of the
// falling leaves derive from it.
#pragma once

class KQ_Frame;

class KQ_AnimationBase {
public:
  virtual ~KQ_AnimationBase() = default;
  // Writes frame.world, as a rule from frame.local and the animator's own state.
  virtual void Animate(KQ_Frame& frame) = 0;
};
