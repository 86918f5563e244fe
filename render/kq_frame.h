// A scene-graph node: the bounding sphere of the geometry drawn with it, a world and a local
// matrix, an optional animator and child frames. Every mesh holder begins with one.
//
// Children are plain pointers the frame does not delete when it is destroyed: mesh holders are
// copied by value and the copies share their frames' children. They are deleted only through
// DeleteChildren / DestroyWithChildren. The animator is shared by copies in the same way, and
// goes with the last frame that holds it.
#pragma once

#include <d3dx9math.h>

#include <memory>
#include <vector>

#include "render/kq_animation_base.h"

class KQ_Frame {
public:
  KQ_Frame();

  // Row-vector order: the frame's own transform acts first, then the parent's.
  void UpdateTransforms(const D3DXMATRIX* parentWorld);

  // A new child with this frame's bounding sphere, identity matrices and no animator.
  KQ_Frame* AddChild();

  // Deletes every child frame and everything below it, with their animators.
  void DeleteChildren();
  // DeleteChildren, then deletes this frame, which must have been made with new.
  void DestroyWithChildren();

  float radius = 0;                     // bounding-sphere radius of the geometry drawn here
  D3DXVECTOR3 centre{0, 0, 0};          // bounding-sphere centre of that geometry
  D3DXMATRIX world;                     // the matrix the frame is drawn with
  D3DXMATRIX local;                     // the frame's own transform relative to its parent
  std::shared_ptr<KQ_AnimationBase> animator;  // computes `world` when present
  BYTE windingFlag = 1;                 // set: the mesh-part draw culls CCW faces first, else CW
  std::vector<KQ_Frame*> children;      // in insertion order
};
