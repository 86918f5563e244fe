#include "items/objects3d/kq_3d_obj_ctrl.h"

#include "document/setting_stream.h"
#include "items/objects3d/kq_3d_obj_array.h"

KQ_3D_Obj_Ctrl::KQ_3D_Obj_Ctrl(const KQ_3D_Obj_Ctrl& other)
    : KQ_ViewObjCtrl(other),
      objectCount(other.objectCount),
      objectSize(other.objectSize),
      imageLink(other.imageLink),
      meshLink(other.meshLink) {}

void KQ_3D_Obj_Ctrl::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_3D_Obj_Ctrl", 1);
  WriteSettings(stream, objectCount, objectSize, imageLink, meshLink);
  KQ_ViewObjCtrl::Write(stream);
}

void KQ_3D_Obj_Ctrl::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, objectCount, objectSize, imageLink, meshLink);
  KQ_ViewObjCtrl::Read(stream, ReadSectionHeader(stream));
}

std::unique_ptr<KQ_ABObj> KQ_3D_Obj_Ctrl::CreateObject() {
  return std::make_unique<KQ_3DObjArray>(Clone());
}

void KQ_3D_Obj_Ctrl::BindPartsToFrames(const std::list<KQ_Frame*>&, std::vector<MeshPart>&) {}

void KQ_3D_Obj_Ctrl::BindRootsAndChildren(const std::list<KQ_Frame*>& instances,
                                          std::vector<MeshPart>& parts) {
  std::vector<KQ_Frame*>& roots = parts[0].frames;
  std::vector<KQ_Frame*>& children = parts[1].frames;
  roots.clear();
  children.clear();
  for (KQ_Frame* root : instances) {
    children.insert(children.end(), root->children.begin(), root->children.end());
    roots.push_back(root);
  }
}
