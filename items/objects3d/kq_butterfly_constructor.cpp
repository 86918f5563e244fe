#include "items/objects3d/kq_butterfly_constructor.h"

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "items/objects3d/ac_butterfly.h"

KQ_ButterflyConstructor::KQ_ButterflyConstructor() {
  meshLink = KQ_MeshFile(69, L"tessaly.dll");
  objectSize = 100u;
  storedFlag = true;
}

KQ_ButterflyConstructor::KQ_ButterflyConstructor(const KQ_ButterflyConstructor& other)
    : KQ_3D_Obj_Ctrl(other),
      bodyImage(other.bodyImage),
      bodyMesh(other.bodyMesh),
      firstSpare(other.firstSpare),
      secondSpare(other.secondSpare),
      wingScale(other.wingScale) {}

void KQ_ButterflyConstructor::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_ButterflyConstructor", 2);
  WriteSettings(stream, bodyImage, bodyMesh, firstSpare, secondSpare, wingScale);
  KQ_3D_Obj_Ctrl::Write(stream);
}

void KQ_ButterflyConstructor::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, bodyImage, bodyMesh, firstSpare, secondSpare);
  if (version >= 2) ReadSetting(stream, wingScale);
  KQ_3D_Obj_Ctrl::Read(stream, ReadSectionHeader(stream));
}

void KQ_ButterflyConstructor::BuildMeshParts(std::vector<MeshPart>& parts) {
  parts.assign(2, MeshPart());
  MeshPart::LoadTexturedMesh(parts[0], bodyImage, bodyMesh);
  MeshPart::LoadTexturedMesh(parts[1], imageLink, meshLink);
  parts[1].flag = 1;
}

void KQ_ButterflyConstructor::BindPartsToFrames(const std::list<KQ_Frame*>& instances,
                                                std::vector<MeshPart>& parts) {
  BindRootsAndChildren(instances, parts);
}

KQ_Frame* KQ_ButterflyConstructor::CreateInstanceFrames() {
  auto* root = new KQ_Frame;
  auto animator = std::make_shared<AC_Butterfly>(*this);
  root->animator = animator;
  KQ_Frame* wingA = root->AddChild();
  KQ_Frame* wingB = root->AddChild();
  D3DXMATRIX half, turn;
  D3DXMatrixScaling(&half, 0.5f, 0.5f, 0.5f);
  D3DXMatrixRotationY(&turn, D3DX_PI / 2);
  root->local = half * turn;
  D3DXMatrixScaling(&wingA->local, wingScale, wingScale, wingScale);
  wingB->local = wingA->local;
  wingA->animator = animator->wingA;
  wingB->animator = animator->wingB;
  return root;
}

std::unique_ptr<KQ_3D_Obj_Ctrl> KQ_ButterflyConstructor::Clone() const {
  return std::make_unique<KQ_ButterflyConstructor>(*this);
}

REGISTER_DOCUMENT_CLASS(KQ_ButterflyConstructor);
