// The settings base of the 3D object items (butterflies, the clock): how many instances of a
// small textured model, how big, and the model's image and mesh. A concrete class supplies the
// model's two parts and the frame tree of one instance; part 0 is drawn at each instance's
// root frame, part 1 at the root's children. The run-time object, KQ_3DObjArray, is the same
// for every class.
#pragma once

#include <memory>
#include <vector>

#include "document/file_link.h"
#include "document/image_file_link.h"
#include "document/media_param_t.h"
#include "items/kq_view_obj_ctrl.h"
#include "items/mesh_part.h"
#include "items/section_class.h"
#include "render/kq_frame.h"

// This level's fields, then the item-area section.
class KQ_3D_Obj_Ctrl : public SectionClass<KQ_3D_Obj_Ctrl, KQ_ViewObjCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_3D_Obj_Ctrl";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.objectCount, s.objectSize, s.imageLink, s.meshLink);
  }

  KQ_3D_Obj_Ctrl() = default;
  // Copies the values and the links; the links' controls start afresh.
  KQ_3D_Obj_Ctrl(const KQ_3D_Obj_Ctrl& other) = default;

  // A KQ_3DObjArray around a clone of these settings.
  std::unique_ptr<KQ_ABObj> CreateObject() override;

  // Fills `parts` with the model's two parts, once per run-time object.
  virtual void BuildMeshParts(std::vector<MeshPart>& parts) = 0;
  // The root frame of one new instance, with its children and animators (owned by the caller).
  virtual KQ_Frame* CreateInstanceFrames() = 0;
  virtual std::unique_ptr<KQ_3D_Obj_Ctrl> Clone() const = 0;

  MediaParamT<unsigned int> objectCount{1};
  MediaParamT<unsigned int> objectSize{50};  // percent, as the classes read it
  KQ_ImageFileLink imageLink;
  KQ_MeshFile meshLink;
};
