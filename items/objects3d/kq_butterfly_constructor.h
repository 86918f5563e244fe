// Butterflies: textured 3D butterflies that flap, glide, bank into their turns and keep to the
// item's area. One instance is a body frame carrying two wing frames; the body's animator,
// AC_Butterfly, flies the butterfly and works the wings.
#pragma once

#include "document/scaled_param.h"
#include "items/objects3d/kq_3d_obj_ctrl.h"

class KQ_ButterflyConstructor : public KQ_3D_Obj_Ctrl {
public:
  KQ_ButterflyConstructor();
  KQ_ButterflyConstructor(const KQ_ButterflyConstructor& other);

  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // Part 0 the body, part 1 the wing (one mesh for both wings), blended.
  void BuildMeshParts(std::vector<MeshPart>& parts) override;
  // The bodies to part 0, both wings of every butterfly to part 1.
  void BindPartsToFrames(const std::list<KQ_Frame*>& instances,
                         std::vector<MeshPart>& parts) override;
  KQ_Frame* CreateInstanceFrames() override;
  std::unique_ptr<KQ_3D_Obj_Ctrl> Clone() const override;

  // The inherited image and mesh links are the wing's.
  KQ_ImageFileLink bodyImage{6, L"tessaly.dll"};
  KQ_MeshFile bodyMesh{68, L"tessaly.dll"};
  // Stored and copied; the flight does not use them.
  UINTSclaleTo<float> firstSpare{50, 1.0f};
  UINTSclaleTo<float> secondSpare{50, 1.0f};
  float wingScale = 1.0f;
};
