#include "render/kq_frame.h"

KQ_Frame::KQ_Frame() {
  D3DXMatrixIdentity(&world);
  D3DXMatrixIdentity(&local);
}

void KQ_Frame::UpdateTransforms(const D3DXMATRIX* parentWorld) {
  if (animator) {
    animator->Animate(*this);
  } else {
    world = local;
  }
  if (parentWorld) D3DXMatrixMultiply(&world, &world, parentWorld);
  for (KQ_Frame* child : children) child->UpdateTransforms(&world);
}

KQ_Frame* KQ_Frame::AddChild() {
  KQ_Frame* child = new KQ_Frame;
  child->radius = radius;
  child->centre = centre;
  children.push_back(child);
  return child;
}

void KQ_Frame::DeleteChildren() {
  for (KQ_Frame* child : children) child->DestroyWithChildren();
  children.clear();
}

void KQ_Frame::DestroyWithChildren() {
  DeleteChildren();
  delete this;
}
