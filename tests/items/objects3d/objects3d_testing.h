// What the 3D object tests share: an injected local time for the clock, points carried through
// a frame's world matrix, and the sections of the 3D object base written by hand.
#pragma once

#include <d3dx9math.h>
#include <gtest/gtest.h>

#include <ctime>

#include "document/kq_iof_w.h"
#include "tests/support/section_fixtures.h"

namespace objects3d_testing {

// The local time the clock's hands read while a test holds it.
class FixedLocalTime {
public:
  FixedLocalTime(int hour, int minute, int second) {
    Now() = std::tm{};
    Now().tm_hour = hour;
    Now().tm_min = minute;
    Now().tm_sec = second;
  }
  static bool Read(std::tm& local) {
    local = Now();
    return true;
  }

private:
  static std::tm& Now() {
    static std::tm now;
    return now;
  }
};

// A clock that cannot tell the time.
inline bool NoLocalTime(std::tm&) { return false; }

inline D3DXVECTOR3 Through(const D3DXMATRIX& world, const D3DXVECTOR3& point) {
  D3DXVECTOR3 out;
  D3DXVec3TransformCoord(&out, &point, &world);
  return out;
}

inline void ExpectNear(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual, float tolerance,
                       const char* what) {
  EXPECT_NEAR(expected.x, actual.x, tolerance) << what;
  EXPECT_NEAR(expected.y, actual.y, tolerance) << what;
  EXPECT_NEAR(expected.z, actual.z, tolerance) << what;
}

struct ObjectFields {
  unsigned int count = 3;
  unsigned int size = 120;
  kq_string imagePath = L"wing.png";
  int64_t imageId = 17;
  kq_string meshPath = L"tessaly.dll";
  int64_t meshId = 69;
  item_testing::ViewFields view;
};

// The 3D object base's section with the item-area section after it.
inline void WriteObjectSection(KQ_IOF_W& w, const ObjectFields& f) {
  WriteSectionHeader(w, L"KQ_3D_Obj_Ctrl", 1);
  w.WriteUInt(f.count);
  w.WriteUInt(f.size);
  w.WriteString(f.imagePath);
  w.WriteInt64(f.imageId);
  w.WriteString(f.meshPath);
  w.WriteInt64(f.meshId);
  item_testing::WriteViewSection(w, 2, f.view);
}

}  // namespace objects3d_testing

#include "items/kq_ab_render.h"
#include "render/picture_layout.h"

namespace objects3d_testing {

// Where a picture point lands on a width x height back buffer under the picture view's layout
// and camera, as the light places items.
inline POINT PictureToBackBuffer(float x, float y, UINT width, UINT height) {
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);
  const PictureView& view = CurrentPictureView();
  const D3DXMATRIX world = view.ItemTransform(identity);
  const D3DVIEWPORT9 viewport = {0, 0, width, height, 0, 1};
  const D3DXVECTOR3 point(x, y, 0);
  D3DXVECTOR3 out;
  D3DXVec3Project(&out, &point, &viewport, &view.projection, &view.view, &world);
  return {static_cast<LONG>(out.x), static_cast<LONG>(out.y)};
}

// A light that only counts the draws it is asked for.
class CountingRender : public KQ_ABRender {
public:
  void Write(KQ_IOF_Virtual&) const override {}
  void PushTargetSize(const PingPongTarget&, int) override {}
  void PopTargetSize() override {}
  void DrawIndexedWithEffect(const KQ_IndexedMesh<DX_V::PT>&, ID3DXEffect*) override {}
  void DrawQuadWithEffect(const KQ_SimpleMesh<DX_V::PT>&, ID3DXEffect*) override {}
  void DrawSpritesWithEffect(const KQ_IndexedMesh<DX_V::PCT>&, ID3DXEffect*) override {}
  void DrawMeshPart(const MeshPart&) override { ++meshParts; }
  void DrawSprites(const SpriteBatch&) override {}
  void DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>&) override { ++meshFrames; }
  IDirect3DTexture9* const* GetSceneTexture() const override { return &noTexture_; }
  const TexturedQuadNode& GetPictureQuad() const override { return quad_; }
  UINT GetPictureWidth() const override { return 0; }
  UINT GetPictureHeight() const override { return 0; }

  int meshParts = 0;
  int meshFrames = 0;

private:
  IDirect3DTexture9* noTexture_ = nullptr;
  TexturedQuadNode quad_;
};

}  // namespace objects3d_testing
