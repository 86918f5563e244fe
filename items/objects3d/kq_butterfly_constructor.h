// Butterflies: textured 3D butterflies that flap, glide, bank into their turns and keep to the
// item's area. One instance is a body frame carrying two wing frames; the body's animator,
// AC_Butterfly, flies the butterfly and works the wings.
#pragma once

#include "document/scaled_param.h"
#include "items/item_class.h"
#include "items/objects3d/kq_3d_obj_ctrl.h"

class KQ_ButterflyConstructor : public ItemClass<KQ_ButterflyConstructor, KQ_3D_Obj_Ctrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_ButterflyConstructor";
  static constexpr unsigned long Version = 2;
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.bodyImage, s.bodyMesh, s.firstSpare, s.secondSpare, s.wingScale);
  }

  KQ_ButterflyConstructor();
  KQ_ButterflyConstructor(const KQ_ButterflyConstructor& other) = default;

  // The own settings as the version has them, then the 3D object section.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // Part 0 the body, part 1 the wing (one mesh for both wings), blended.
  void BuildMeshParts(std::vector<MeshPart>& parts) override;
  // The body, with both wings as its children.
  KQ_Frame* CreateInstanceFrames() override;

  // The inherited image and mesh links are the wing's.
  KQ_ImageFileLink bodyImage{6, L"tessaly.dll"};
  KQ_MeshFile bodyMesh{68, L"tessaly.dll"};
  // Stored and copied; the flight does not use them.
  UINTSclaleTo<float> firstSpare{50, 1.0f};
  UINTSclaleTo<float> secondSpare{50, 1.0f};
  float wingScale = 1.0f;
};
