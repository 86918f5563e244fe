#include "items/objects3d/kq_3d_obj_array.h"

#include "items/kq_ab_render.h"

namespace {

// Part 0 at every root, part 1 at every root's children, oldest instance first.
void BindPartsToFrames(const std::list<KQ_Frame*>& instances, std::vector<MeshPart>& parts) {
  std::vector<KQ_Frame*>& roots = parts[0].frames;
  std::vector<KQ_Frame*>& children = parts[1].frames;
  roots.clear();
  children.clear();
  for (KQ_Frame* root : instances) {
    children.insert(children.end(), root->children.begin(), root->children.end());
    roots.push_back(root);
  }
}

}  // namespace

KQ_3DObjArray::KQ_3DObjArray(std::unique_ptr<KQ_3D_Obj_Ctrl> settingsClone)
    : KQ_ABObj(std::move(settingsClone)),
      settings_(static_cast<KQ_3D_Obj_Ctrl*>(&Settings())) {
  settings_->BuildMeshParts(parts_);
  bindings_.BindFunLightCtrl(&KQ_3DObjArray::SetInstanceCount, settings_->objectCount);
}

KQ_3DObjArray::~KQ_3DObjArray() {
  for (KQ_Frame* root : instances_) root->DestroyWithChildren();
}

void KQ_3DObjArray::Draw(KQ_ABRender& light) {
  for (const MeshPart& part : parts_) light.DrawMeshPart(part);
}

void KQ_3DObjArray::Update(float t) {
  settings_->Step(t);
  for (KQ_Frame* root : instances_) root->UpdateTransforms(nullptr);
}

void KQ_3DObjArray::SetInstanceCount(unsigned int count) {
  while (instances_.size() < count) instances_.push_back(settings_->CreateInstanceFrames());
  while (instances_.size() > count) {
    instances_.front()->DestroyWithChildren();
    instances_.pop_front();
  }
  BindPartsToFrames(instances_, parts_);
}
