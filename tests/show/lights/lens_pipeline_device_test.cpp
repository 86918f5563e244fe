// The fixed-function features the glass-ball lens is made of, each checked by pixel read-back on
// the software device before the light relies on them: texture coordinates generated from the
// camera-space position and mapped by a two-row texture transform, and a bump-environment stage
// that shifts the next stage's generated coordinates.
#include "tests/support/scene_device_test.h"

#include <d3dx9math.h>

#include "render/com_references.h"

#include <cstring>

namespace {

using namespace scene_testing;

// The ball's vertex layout: position and two uv pairs (FVF 0x202).
struct LensVertex {
  float x, y, z;
  float u0, v0, u1, v1;
};

DWORD FloatBits(float value) {
  DWORD bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

class LensPipelineTest : public SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_ZENABLE, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    // Camera space is the world here: an orthographic view of x, y in [-1, 1].
    D3DXMATRIX identity, projection;
    D3DXMatrixIdentity(&identity);
    D3DXMatrixOrthoLH(&projection, 2, 2, 0, 10);
    device->SetTransform(D3DTS_WORLD, &identity);
    device->SetTransform(D3DTS_VIEW, &identity);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    for (DWORD sampler = 0; sampler < 2; ++sampler) {
      device->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_POINT);
      device->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    }
  }

  void TearDown() override {
    ReleaseAndNullAll();
    SceneDeviceTest::TearDown();
  }

  // u := 0.5 x + 0.5 + shiftU, v := -0.5 y + 0.5: camera space onto the texture, upright.
  void SetCameraSpaceMapping(DWORD stage, float shiftU) {
    D3DXMATRIX m(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    m._11 = 0.5f;
    m._22 = -0.5f;
    m._41 = 0.5f + shiftU;
    m._42 = 0.5f;
    device->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(D3DTS_TEXTURE0 + stage), &m);
    device->SetTextureStageState(stage, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2);
    device->SetTextureStageState(stage, D3DTSS_TEXCOORDINDEX,
                                 D3DTSS_TCI_CAMERASPACEPOSITION | stage);
  }

  // A quad over the whole target at z 1, its stored uv pairs pointing at the texture's red
  // quadrant so that only generated coordinates can show the other colours.
  void DrawFullQuad() {
    const LensVertex quad[4] = {
        {-1, -1, 1, 0, 0, 0, 0}, {-1, 1, 1, 0, 0, 0, 0}, {1, -1, 1, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0, 0}};
    device->BeginScene();
    device->SetFVF(D3DFVF_XYZ | D3DFVF_TEX2);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LensVertex));
    device->EndScene();
  }

  // Red top-left, green top-right, blue bottom-left, white bottom-right.
  IDirect3DTexture9* Quadrants() {
    quadrants_ = MakeTexture(2, 2, [](UINT x, UINT y) {
      const D3DCOLOR texels[2][2] = {{0xFFFF0000, 0xFF00FF00}, {0xFF0000FF, 0xFFFFFFFF}};
      return texels[y][x];
    });
    return quadrants_;
  }

  // Left half red, right half green: the probe for a horizontal shift.
  IDirect3DTexture9* Halves() {
    halves_ = MakeTexture(16, 16, [](UINT x, UINT) { return x < 8 ? 0xFFFF0000 : 0xFF00FF00; });
    return halves_;
  }

  // A V16U16 texture whose every texel is (du, dv).
  IDirect3DTexture9* ConstantBump(SHORT du, SHORT dv) {
    if (FAILED(device->CreateTexture(4, 4, 1, 0, D3DFMT_V16U16, D3DPOOL_MANAGED, &bump_, nullptr)))
      return nullptr;
    D3DLOCKED_RECT locked;
    bump_->LockRect(0, &locked, nullptr, 0);
    for (UINT y = 0; y < 4; ++y) {
      SHORT* row = reinterpret_cast<SHORT*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
      for (UINT x = 0; x < 4; ++x) {
        row[2 * x] = du;
        row[2 * x + 1] = dv;
      }
    }
    bump_->UnlockRect(0);
    return bump_;
  }

  bool CanBumpMap() {
    D3DCAPS9 caps;
    device->GetDeviceCaps(&caps);
    D3DDISPLAYMODE mode;
    d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    return (caps.TextureOpCaps & D3DTEXOPCAPS_BUMPENVMAP) &&
           SUCCEEDED(d3d->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, mode.Format, 0,
                                            D3DRTYPE_TEXTURE, D3DFMT_V16U16));
  }

  // Stage 0 bump-maps stage 1 with the lens's matrix (0.2, 0, 0, 0.25); stage 1 shows its
  // texture at coordinates generated from the camera-space position.
  void UseLensStages(IDirect3DTexture9* bump, IDirect3DTexture9* scene) {
    device->SetTexture(0, bump);
    device->SetTexture(1, scene);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_BUMPENVMAP);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT00, FloatBits(0.2f));
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT01, FloatBits(0.0f));
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT10, FloatBits(0.0f));
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT11, FloatBits(0.25f));
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    SetCameraSpaceMapping(1, 0);
  }

  void ReleaseAndNullAll() {
    ReleaseAndNull(&quadrants_);
    ReleaseAndNull(&halves_);
    ReleaseAndNull(&bump_);
  }

  IDirect3DTexture9* quadrants_ = nullptr;
  IDirect3DTexture9* halves_ = nullptr;
  IDirect3DTexture9* bump_ = nullptr;
};

TEST_F(LensPipelineTest, CameraSpaceCoordinatesThroughATwoRowTransformPlaceTheTexture) {
  device->SetTexture(0, Quadrants());
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  SetCameraSpaceMapping(0, 0);
  Clear(Black);
  DrawFullQuad();
  // Camera-space x and y run over the screen, so the texture comes out upright, not red only.
  EXPECT_COLOR_NEAR(ReadPixel(64, 64), Red, 1);
  EXPECT_COLOR_NEAR(ReadPixel(192, 64), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(64, 192), Blue, 1);
  EXPECT_COLOR_NEAR(ReadPixel(192, 192), White, 1);
}

TEST_F(LensPipelineTest, TheTransformsTranslationRowShiftsTheGeneratedCoordinates) {
  device->SetTexture(0, Halves());
  device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  SetCameraSpaceMapping(0, 0.25f);
  Clear(Black);
  DrawFullQuad();
  // u = x / 256 + 0.25: green from screen x 64 to 192, red (wrapped) beyond.
  EXPECT_COLOR_NEAR(ReadPixel(32, 128), Red, 1);
  EXPECT_COLOR_NEAR(ReadPixel(96, 128), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(160, 128), Green, 1);
  EXPECT_COLOR_NEAR(ReadPixel(224, 128), Red, 1);
}

TEST_F(LensPipelineTest, ABumpStageShiftsTheGeneratedCoordinatesOfTheNextStage) {
  if (!CanBumpMap()) GTEST_SKIP() << "the device offers no bump-environment mapping with V16U16";
  // The probe at screen x samples u = x / 256 before the bump, plus 0.2 du after it.
  struct Case {
    const char* what;
    SHORT du;
    UINT x;
    D3DCOLOR shown;
  } cases[] = {
      {"flat bump map", 0, 80, Red},
      {"flat bump map, right half", 0, 200, Green},
      {"du 1.0 moves u 0.31 into the green half", 32767, 80, Green},
      {"du -1.0 moves u 0.60 into the red half: stored values are signed", -32767, 154, Red},
      {"du -1.0 leaves the far right green", -32767, 240, Green},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReleaseAndNullAll();
    IDirect3DTexture9* bump = ConstantBump(c.du, 0);
    ASSERT_NE(nullptr, bump);
    UseLensStages(bump, Halves());
    Clear(Black);
    DrawFullQuad();
    EXPECT_COLOR_NEAR(ReadPixel(c.x, 128), c.shown, 1);
  }
}

}  // namespace
