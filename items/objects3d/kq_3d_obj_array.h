// The run-time object of every 3D object item: the model's parts, built once, and the root
// frame of every instance, updated each frame by the instances' animators and drawn part by
// part through the light.
#pragma once

#include <list>
#include <memory>
#include <vector>

#include "document/owned_control_list.h"
#include "items/kq_abobj.h"
#include "items/objects3d/kq_3d_obj_ctrl.h"

class KQ_3DObjArray : public KQ_ABObj {
public:
  // Builds the parts, then as many instances as the clone's object count asks for.
  explicit KQ_3DObjArray(std::unique_ptr<KQ_3D_Obj_Ctrl> settingsClone);
  ~KQ_3DObjArray() override;

  void Draw(KQ_ABRender& light) override;
  // The item clock, then every instance's frames, oldest instance first.
  void Update(float t) override;

  // Adds new instances at the end or removes the oldest, then binds the parts anew.
  void SetInstanceCount(unsigned int count);

  const std::list<KQ_Frame*>& Instances() const { return instances_; }
  const std::vector<MeshPart>& Parts() const { return parts_; }

private:
  KQ_3D_Obj_Ctrl* settings_;
  std::list<KQ_Frame*> instances_;  // root frames, owned with their children
  std::vector<MeshPart> parts_;
  // Last, so it leaves the clone's count before the parts and the clone go.
  OwnedControlList<KQ_3DObjArray> bindings_{this};
};
