// The settings base of the 3D object items (butterflies, the clock): how many instances of a
// small textured model, how big, and the model's image and mesh. A concrete class supplies the
// model's parts, the frame tree of one instance and which part is drawn at which frame; the
// run-time object, KQ_3DObjArray, is the same for every class.
#pragma once

#include <list>
#include <memory>
#include <vector>

#include "document/file_link.h"
#include "document/image_file_link.h"
#include "document/media_param_t.h"
#include "items/kq_view_obj_ctrl.h"
#include "items/mesh_part.h"
#include "render/kq_frame.h"

class KQ_3D_Obj_Ctrl : public KQ_ViewObjCtrl {
public:
  KQ_3D_Obj_Ctrl() = default;
  // Copies the values and the links; the links' controls start afresh.
  KQ_3D_Obj_Ctrl(const KQ_3D_Obj_Ctrl& other);

  void Write(KQ_IOF_Virtual& stream) const override;
  // This level's fields, then the item-area section (header included).
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // A KQ_3DObjArray around a clone of these settings.
  std::unique_ptr<KQ_ABObj> CreateObject() override;

  // Fills `parts` with the model's parts, once per run-time object.
  virtual void BuildMeshParts(std::vector<MeshPart>& parts) = 0;
  // Attaches the parts to the frames of every instance, oldest first.
  virtual void BindPartsToFrames(const std::list<KQ_Frame*>& instances,
                                 std::vector<MeshPart>& parts);
  // The root frame of one new instance, with its children and animators (owned by the caller).
  virtual KQ_Frame* CreateInstanceFrames() = 0;
  virtual std::unique_ptr<KQ_3D_Obj_Ctrl> Clone() const = 0;

  MediaParamT<unsigned int> objectCount{1};
  MediaParamT<unsigned int> objectSize{50};  // percent, as the classes read it
  KQ_ImageFileLink imageLink;
  KQ_MeshFile meshLink;

protected:
  // Part 0 at every root, part 1 at every root's children, oldest instance first.
  static void BindRootsAndChildren(const std::list<KQ_Frame*>& instances,
                                   std::vector<MeshPart>& parts);
};
