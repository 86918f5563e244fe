// The fixed-function features the effect lights stand on, checked on the test device before any
// light uses them: bump-environment mapping from V8U8 and V16U16 offsets, texture-coordinate
// transforms (on stored and on camera-space coordinates), and one directional light with a
// specular material. Each test draws one quad over the whole back buffer and probes its middle.
#include <d3dx9math.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "render/com_references.h"
#include "render/float_bits.h"
#include "tests/support/scene_device_test.h"

namespace scene_testing {
namespace {

// Two texture-coordinate sets over the quad: set 0 spans the texture, set 1 stays at u = 0.25.
struct BumpVertex {
  float x, y, z, rhw;
  float u0, v0;
  float u1, v1;
  static constexpr DWORD FVF = D3DFVF_XYZRHW | D3DFVF_TEX2;
};

// Untransformed, facing -z (towards an identity camera), with a vertex colour.
struct LitVertex {
  float x, y, z;
  float nx, ny, nz;
  D3DCOLOR color;
  float u, v;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1;
};

class FixedFunctionTest : public SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    if (HasFailure()) return;
    device->SetRenderState(D3DRS_ZENABLE, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    // Left half red, right half green: a shift of u by 0.5 turns red into green.
    halves_ = MakeTexture(64, 64, [](UINT x, UINT) { return x < 32 ? Red : Green; });
  }
  void TearDown() override {
    ReleaseAndNull(&halves_);
    SceneDeviceTest::TearDown();
  }

  bool SupportsBumpFormat(D3DFORMAT format) {
    D3DCAPS9 caps;
    device->GetDeviceCaps(&caps);
    return (caps.TextureOpCaps & D3DTEXOPCAPS_BUMPENVMAP) &&
           SUCCEEDED(d3d->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                            0, D3DRTYPE_TEXTURE, format));
  }

  // A 4 x 4 bump texture of one (du, dv) texel, as the format stores it.
  IDirect3DTexture9* MakeBumpTexture(D3DFORMAT format, int du, int dv) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(device->CreateTexture(4, 4, 1, 0, format, D3DPOOL_MANAGED, &texture, nullptr))) {
      return nullptr;
    }
    D3DLOCKED_RECT locked;
    texture->LockRect(0, &locked, nullptr, 0);
    for (int y = 0; y < 4; ++y) {
      BYTE* row = static_cast<BYTE*>(locked.pBits) + y * locked.Pitch;
      for (int x = 0; x < 4; ++x) {
        if (format == D3DFMT_V8U8) {
          reinterpret_cast<int8_t*>(row)[2 * x] = static_cast<int8_t>(du);
          reinterpret_cast<int8_t*>(row)[2 * x + 1] = static_cast<int8_t>(dv);
        } else {
          reinterpret_cast<int16_t*>(row)[2 * x] = static_cast<int16_t>(du);
          reinterpret_cast<int16_t*>(row)[2 * x + 1] = static_cast<int16_t>(dv);
        }
      }
    }
    texture->UnlockRect(0);
    return texture;
  }

  // Stage 0 perturbs stage 1's coordinates by M x (du, dv); stage 1 shows the halves texture.
  D3DCOLOR DrawBumped(IDirect3DTexture9* bump, float m00, float m01, float m10, float m11) {
    Clear(Black);
    device->SetTexture(0, bump);
    device->SetTexture(1, halves_);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_BUMPENVMAP);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT00, FloatBits(m00));
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT01, FloatBits(m01));
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT10, FloatBits(m10));
    device->SetTextureStageState(0, D3DTSS_BUMPENVMAT11, FloatBits(m11));
    device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
    device->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 1);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetSamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    device->SetSamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    device->SetSamplerState(1, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    const float w = Width, h = Height;
    const BumpVertex quad[4] = {
        {0, h, 0, 1, 0, 1, 0.25f, 0.5f},
        {0, 0, 0, 1, 0, 0, 0.25f, 0.5f},
        {w, h, 0, 1, 1, 1, 0.25f, 0.5f},
        {w, 0, 0, 1, 1, 0, 0.25f, 0.5f},
    };
    device->BeginScene();
    device->SetFVF(BumpVertex::FVF);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(BumpVertex));
    device->EndScene();
    device->SetTexture(0, nullptr);
    device->SetTexture(1, nullptr);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    return ReadPixel(Width / 2, Height / 2);
  }

  IDirect3DTexture9* halves_ = nullptr;
};

// Full positive offsets in each format, one unit of u.
TEST_F(FixedFunctionTest, BumpEnvironmentMapShiftsTheNextStagesLookup) {
  struct Case {
    D3DFORMAT format;
    int fullOffset;
  } cases[] = {{D3DFMT_V8U8, 127}, {D3DFMT_V16U16, 32767}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format == D3DFMT_V8U8 ? "V8U8" : "V16U16");
    if (!SupportsBumpFormat(c.format)) {
      GTEST_SKIP() << "the device offers no bump-environment mapping from this format";
    }
    IDirect3DTexture9* bump = MakeBumpTexture(c.format, c.fullOffset, 0);
    ASSERT_NE(nullptr, bump);
    // A zero matrix leaves u at 0.25: red.
    EXPECT_COLOR_NEAR(DrawBumped(bump, 0, 0, 0, 0), Red, 8);
    // du = 1 times M00 = 0.5 moves u to 0.75: green.
    EXPECT_COLOR_NEAR(DrawBumped(bump, 0.5f, 0, 0, 0), Green, 8);
    // dv feeds u through M10; M01 feeds du into v, which the halves ignore.
    EXPECT_COLOR_NEAR(DrawBumped(bump, 0, 0.5f, 0, 0), Red, 8);
    // A negative matrix moves u the other way, out of the left edge (clamped): red.
    EXPECT_COLOR_NEAR(DrawBumped(bump, -0.5f, 0, 0, 0), Red, 8);
    ReleaseAndNull(&bump);
    IDirect3DTexture9* dvOnly = MakeBumpTexture(c.format, 0, c.fullOffset);
    EXPECT_COLOR_NEAR(DrawBumped(dvOnly, 0, 0, 0.5f, 0), Green, 8);
    ReleaseAndNull(&dvOnly);
  }
}

class TextureTransformTest : public FixedFunctionTest {
protected:
  // The halves texture on a quad of untransformed vertices that covers the view, with texture
  // coordinates u = 0.25 (or from the camera-space position) through a TEXTURE0 matrix.
  D3DCOLOR DrawTransformed(const D3DXMATRIX& textureMatrix, DWORD coordinateSource) {
    Clear(Black);
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    device->SetTransform(D3DTS_WORLD, &identity);
    device->SetTransform(D3DTS_VIEW, &identity);
    device->SetTransform(D3DTS_PROJECTION, &identity);
    device->SetTransform(D3DTS_TEXTURE0, &textureMatrix);
    device->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2);
    device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, coordinateSource);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    device->SetTexture(0, halves_);
    struct Vertex {
      float x, y, z, u, v;
    } quad[4] = {
        {-1, -1, 0.5f, 0.25f, 0.5f},
        {-1, 1, 0.5f, 0.25f, 0.5f},
        {1, -1, 0.5f, 0.25f, 0.5f},
        {1, 1, 0.5f, 0.25f, 0.5f},
    };
    device->BeginScene();
    device->SetFVF(D3DFVF_XYZ | D3DFVF_TEX1);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex));
    device->EndScene();
    device->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE);
    device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
    device->SetTexture(0, nullptr);
    return ReadPixel(Width / 2, Height / 2);
  }
};

TEST_F(TextureTransformTest, MovesStoredAndCameraSpaceCoordinates) {
  D3DXMATRIX identity, shift, fromCamera;
  D3DXMatrixIdentity(&identity);
  // Row-vector texture matrices: the third row carries the constant for two-element coordinates.
  D3DXMatrixIdentity(&shift);
  shift._31 = 0.5f;
  // Camera-space x is 0 at the probe (the middle of the view): u := 0.75 from the translation
  // row of a three-element coordinate.
  D3DXMatrixIdentity(&fromCamera);
  fromCamera._41 = 0.75f;
  struct Case {
    const char* what;
    const D3DXMATRIX& matrix;
    DWORD source;
    D3DCOLOR expected;
  } cases[] = {
      {"identity keeps u = 0.25", identity, 0, Red},
      {"the constant row moves u to 0.75", shift, 0, Green},
      {"camera-space x = 0 stays on the left half", identity, D3DTSS_TCI_CAMERASPACEPOSITION, Red},
      {"camera-space x + 0.75", fromCamera, D3DTSS_TCI_CAMERASPACEPOSITION, Green},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_COLOR_NEAR(DrawTransformed(c.matrix, c.source), c.expected, 8);
  }
}

class SpecularLightTest : public SceneDeviceTest {
protected:
  // A black, lit quad facing the camera under one white directional light with a specular
  // material, drawn through an orthographic camera looking down +z. Lighting is per vertex with
  // a local viewer, so the quad lies far off: the eye ray is then nearly the same at every corner.
  // With `texture`, stage 0 adds it to the (black) lit diffuse colour.
  D3DCOLOR DrawLit(const D3DVECTOR& direction, bool specularOn, float specularLevel,
                   IDirect3DTexture9* texture = nullptr) {
    Clear(Blue);
    D3DXMATRIX identity, projection;
    D3DXMatrixIdentity(&identity);
    D3DXMatrixOrthoLH(&projection, 2, 2, 0, 200);
    device->SetTransform(D3DTS_WORLD, &identity);
    device->SetTransform(D3DTS_VIEW, &identity);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1, 1, 1, 1};
    light.Specular = {1, 1, 1, 0};
    light.Direction = direction;
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    D3DMATERIAL9 material = {};
    material.Diffuse = {0, 0, 0, 1};
    material.Specular = {specularLevel, specularLevel, specularLevel, 0};
    material.Power = 40;
    device->SetMaterial(&material);
    device->SetRenderState(D3DRS_ZENABLE, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_SPECULARENABLE, specularOn);
    device->SetTextureStageState(0, D3DTSS_COLOROP, texture ? D3DTOP_ADD : D3DTOP_SELECTARG1);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, texture ? D3DTA_TEXTURE : D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
    device->SetTexture(0, texture);
    // The vertex colour stands in for the material's diffuse colour: black, as on the water.
    const D3DCOLOR black = D3DCOLOR_ARGB(0x80, 0, 0, 0);
    const LitVertex quad[4] = {
        {-1, -1, 100, 0, 0, -1, black, 0, 1},
        {-1, 1, 100, 0, 0, -1, black, 0, 0},
        {1, -1, 100, 0, 0, -1, black, 1, 1},
        {1, 1, 100, 0, 0, -1, black, 1, 0},
    };
    device->BeginScene();
    device->SetFVF(LitVertex::FVF);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex));
    device->EndScene();
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
    device->SetTexture(0, nullptr);
    return ReadPixel(Width / 2, Height / 2);
  }
};

TEST_F(SpecularLightTest, AddsTheHighlightOnlyWhereTheLightMirrorsIntoTheEye) {
  const D3DVECTOR intoScreen = {0, 0, 1};       // straight at the quad: the mirror ray hits the eye
  const D3DVECTOR grazing = {1, 0, 0.05f};      // along the quad: no highlight at power 40
  const D3DVECTOR fromBehind = {0, 0, -1};      // the quad's back is lit: nothing
  struct Case {
    const char* what;
    D3DVECTOR direction;
    bool specularOn;
    float level;
    D3DCOLOR expected;
  } cases[] = {
      {"head-on, full level", intoScreen, true, 1.0f, White},
      {"head-on, level 0.5", intoScreen, true, 0.5f, D3DCOLOR_XRGB(0x80, 0x80, 0x80)},
      {"head-on, specular off", intoScreen, false, 1.0f, Black},
      {"grazing", grazing, true, 1.0f, Black},
      {"from behind", fromBehind, true, 1.0f, Black},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_COLOR_NEAR(DrawLit(c.direction, c.specularOn, c.level), c.expected, 10);
  }
}

// The highlight comes on top of a texture when stage 0 adds the texture to the black lit diffuse
// colour. (Wine's device leaves it out when the stage selects the texture alone.)
TEST_F(SpecularLightTest, AddsTheHighlightOverATexturePlusTheBlackDiffuse) {
  IDirect3DTexture9* darkBlue = MakeTexture(8, 8, [](UINT, UINT) { return D3DCOLOR_XRGB(0, 0, 0x80); });
  const D3DVECTOR intoScreen = {0, 0, 1};
  EXPECT_COLOR_NEAR(DrawLit(intoScreen, true, 0.5f, darkBlue), D3DCOLOR_XRGB(0x80, 0x80, 0xFF), 10);
  EXPECT_COLOR_NEAR(DrawLit(intoScreen, false, 0.5f, darkBlue), D3DCOLOR_XRGB(0, 0, 0x80), 10);
  ReleaseAndNull(&darkBlue);
}

}  // namespace
}  // namespace scene_testing
