// The pack's clock and butterfly drawn as their items draw them, in the picture's y-down
// projection: the clock's face upright with its hands where the time puts them, and the
// butterfly body's faces that survive the culling being the ones nearer the viewer.
#include <gtest/gtest.h>

#include "render/matrices.h"
#include "tests/content/pack_fixture.h"

namespace pack_testing {
namespace {

using testing_support::DescribeColor;

class PackRenderTest : public PackOnDevice {
protected:
  void SetUp() override {
    PackOnDevice::SetUp();
    if (HasFatalFailure()) return;
    // The picture view: picture pixels, y down.
    D3DXMATRIX view, projection;
    const D3DXVECTOR3 eye(0, 0, -1), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMatrixOrthoOffCenterLH(&projection, 0, Width, Height, 0, -5000, 5000);
    device->SetTransform(D3DTS_VIEW, &view);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  }

  void Draw(ID3DXMesh* mesh, const D3DXMATRIX& world) {
    device->SetTransform(D3DTS_WORLD, &world);
    mesh->DrawSubset(0);
  }
};

int Red(D3DCOLOR c) { return (c >> 16) & 0xFF; }
int Blue(D3DCOLOR c) { return c & 0xFF; }

TEST_F(PackRenderTest, ClockShowsItsFaceAndHandsAtThreeOClockSharp) {
  ComHolder<ID3DXMesh> loaded, plate;
  ComHolder<IDirect3DTexture9> face, hands;
  ASSERT_EQ(LoadMesh(70, D3DXMESH_MANAGED, loaded.Out(), plate.Out()), D3D_OK);
  ASSERT_EQ(Decode(71, face.Out()), D3D_OK);
  ASSERT_EQ(Decode(72, hands.Out()), D3D_OK);

  // The clock's frames at object size 200, centred in the target: the face, then the hour
  // hand at 90 degrees and the minute hand at 0 on top of it.
  const D3DXMATRIX root = Scaling(200, 200, 200) * Scaling(0.01f, 0.01f, 0.01f) *
                          RotationX(D3DXToRadian(90)) * Translation(128, 128, 0);
  const D3DXMATRIX hour = Scaling(0.01f, 1.0f, 0.3f) * Translation(0, 0, 10) *
                          RotationY(D3DXToRadian(90)) * root;
  const D3DXMATRIX minute = Scaling(0.01f, 1.0f, 0.38f) * Translation(0, 0, 13) * root;
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  Clear(0xFF000000);
  ASSERT_EQ(device->BeginScene(), D3D_OK);
  device->SetTexture(0, face.Get());
  Draw(plate.Get(), root);
  device->SetTexture(0, hands.Get());
  Draw(plate.Get(), hour);
  Draw(plate.Get(), minute);
  device->EndScene();
  device->SetTexture(0, nullptr);

  struct Probe {
    UINT x, y;
    const char* what;
    bool dark;  // a hand: dark steel; else the ivory dial
  } probes[] = {
      {158, 128, "hour hand, towards three", true},
      {128, 88, "minute hand, towards twelve", true},
      {98, 128, "dial towards nine", false},
      {128, 168, "dial towards six", false},
  };
  for (const Probe& p : probes) {
    const D3DCOLOR c = ReadPixel(p.x, p.y);
    if (p.dark) {
      EXPECT_LT(Red(c), 120) << p.what << ": " << DescribeColor(c);
    } else {
      EXPECT_GT(Red(c), 200) << p.what << ": " << DescribeColor(c);
    }
  }
  // The brass bezel at the rim, and nothing outside the round face.
  const D3DCOLOR bezel = ReadPixel(128, 34);
  EXPECT_GT(Red(bezel), Blue(bezel) + 40) << DescribeColor(bezel);
  EXPECT_COLOR_NEAR(ReadPixel(30, 30), 0xFF000000, 2);
}

TEST_F(PackRenderTest, ButterflyBodyKeepsItsNearSideUnderThePlayersCulling) {
  // The body frame's winding flag is set, so the player culls counter-clockwise faces. Drawn
  // that way (red), then with the opposite culling (green) behind a depth test: the first
  // draw must be the nearer surface, so green never shows through.
  ComHolder<ID3DXMesh> loaded, body;
  ASSERT_EQ(LoadMesh(68, D3DXMESH_MANAGED, loaded.Out(), body.Out()), D3D_OK);
  const D3DXMATRIX world =
      Scaling(0.5f, 0.5f, 0.5f) * RotationY(D3DXToRadian(90)) * Scaling(4, 4, 4) * Translation(128, 128, 0);
  device->SetRenderState(D3DRS_ZENABLE, TRUE);
  device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
  device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TFACTOR);
  Clear(0xFF000000);
  ASSERT_EQ(device->BeginScene(), D3D_OK);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
  device->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFF0000);
  Draw(body.Get(), world);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
  device->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFF00FF00);
  Draw(body.Get(), world);
  device->EndScene();

  // Along the body: the abdomen, the waist, the thorax, the head (the head points to +x).
  for (UINT x : {90u, 128u, 150u, 170u}) EXPECT_COLOR_NEAR(ReadPixel(x, 128), 0xFFFF0000, 8) << x;
}

}  // namespace
}  // namespace pack_testing
