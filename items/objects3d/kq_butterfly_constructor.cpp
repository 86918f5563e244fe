#include "items/objects3d/kq_butterfly_constructor.h"

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "items/objects3d/ac_butterfly.h"

KQ_ButterflyConstructor::KQ_ButterflyConstructor() {
  meshLink = KQ_MeshFile(69, L"tessaly.dll");
  objectSize = 100u;
  storedFlag = true;
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

REGISTER_DOCUMENT_CLASS(KQ_ButterflyConstructor);
