#include "items/objects3d/kq_clock_constructor.h"

#include "document/class_registry.h"
#include "items/objects3d/ac_clock_arrow.h"
#include "items/objects3d/ac_static.h"
#include "render/matrices.h"
#include "render/picture_layout.h"

namespace {

// A hand: the plate squeezed to a needle `length` plates long whose middle sits `offset` units
// up from the centre, so a short tail shows behind the centre.
KQ_Frame* AddHand(KQ_Frame& face, float length, float offset, BYTE hourHand,
                  LocalTimeReader localTime) {
  KQ_Frame* hand = face.AddChild();
  hand->local = Scaling(0.01f, 1.0f, length) * Translation(0, 0, offset);
  hand->animator = std::make_shared<AC_ClockArrow>(hourHand, localTime);
  return hand;
}

}  // namespace

KQ_ClockConstructor::KQ_ClockConstructor() {
  clockRectangle.first_extra = CurrentViewFrame().pictureWidth / 2;
  clockRectangle.second_extra = CurrentViewFrame().pictureHeight / 2;
  meshLink = KQ_MeshFile(70, L"tessaly.dll");
  imageLink = KQ_FileLink3(71, L"tessaly.dll");
  objectSize = 400u;
  bindings_.BindFunLightCtrl2(&KQ_ClockConstructor::OnImageChanged, imageLink);
}

KQ_ClockConstructor::KQ_ClockConstructor(const KQ_ClockConstructor& other)
    : ItemClass(other), handsImage(other.handsImage), localTime(other.localTime) {
  const MediaRectangle& source = other.clockRectangle;
  clockRectangle.left = source.left.Get();
  clockRectangle.right = source.right.Get();
  clockRectangle.top = source.top.Get();
  clockRectangle.bottom = source.bottom.Get();
  clockRectangle.first_extra = source.first_extra.Get();
  clockRectangle.second_extra = source.second_extra.Get();
  bindings_.BindFunLightCtrl2(&KQ_ClockConstructor::OnImageChanged, imageLink);
}

void KQ_ClockConstructor::BuildMeshParts(std::vector<MeshPart>& parts) {
  parts.assign(2, MeshPart());
  MeshPart::LoadTexturedMesh(parts[0], imageLink, meshLink);
  MeshPart::LoadTexturedMesh(parts[1], handsImage, meshLink);
  parts[0].flag = 1;
  parts[1].flag = 1;
  parts_ = &parts;
}

KQ_Frame* KQ_ClockConstructor::CreateInstanceFrames() {
  auto* face = new KQ_Frame;
  // One mesh unit becomes object size / 100 pixels; the plate's +z turns to picture up.
  D3DXMATRIX upright;
  D3DXMatrixRotationX(&upright, D3DX_PI / 2);
  face->local = Scaling(0.01f, 0.01f, 0.01f) * upright;
  face->animator = std::make_shared<AC_Static>(*this);
  AddHand(*face, 0.3f, 10, 1, localTime);
  AddHand(*face, 0.38f, 13, 0, localTime);
  return face;
}

void KQ_ClockConstructor::OnImageChanged() {
  if (parts_ && !parts_->empty()) MeshPart::LoadTexturedMesh(parts_->front(), imageLink, meshLink);
}

REGISTER_DOCUMENT_CLASS(KQ_ClockConstructor);
