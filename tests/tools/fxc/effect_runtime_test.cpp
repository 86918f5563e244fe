// Compiled effects run through the effect runtime on the test device: what they offer, and
// whether parameters, sampler states and render states reach the device.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/device_fixture.h"
#include "tests/tools/fxc/effect_test_support.h"

namespace {

using effect_testing::CompileAndCreate;
using effect_testing::CreateTexture;
using effect_testing::DrawPositionsWithEffect;
using effect_testing::DrawWithEffect;
using effect_testing::ParameterShape;
using effect_testing::ScreenQuad;

class EffectRuntime : public testing_support::DeviceTest {};

const char* const Declarations = R"(
float Level = 0.25;
float2 Offset = {0.5, -1};
float3 Tint3;
float4 Tint : register(ps, c0) = {1, 0.5, 0.25, 1};
float4x4 Transform;
texture Picture < string Origin = "test"; float2 Size = {4, 8}; >;
sampler PictureSampler : register(s0) = sampler_state { Texture = <Picture>; };
pixelshader Flat = asm { ps_2_0
  mov oC0, c0 };
technique Main < string Use = "all"; > {
  pass First < float Order = 1; > { PixelShader = <Flat>; }
  pass Second { PixelShader = <Flat>; }
}
technique Other { pass Only { PixelShader = <Flat>; } }
)";

TEST_F(EffectRuntime, OffersEveryParameterWithItsTypeAndShape) {
  ComHolder<ID3DXEffect> effect(CompileAndCreate(device, Declarations));
  ASSERT_TRUE(effect.Get());
  D3DXEFFECT_DESC desc;
  ASSERT_EQ(D3D_OK, effect->GetDesc(&desc));
  EXPECT_EQ(8u, desc.Parameters);
  EXPECT_EQ(2u, desc.Techniques);

  const ParameterShape shapes[] = {
      {"Level", D3DXPC_SCALAR, D3DXPT_FLOAT, 1, 1},
      {"Offset", D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 2},
      {"Tint3", D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 3},
      {"Tint", D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 4},
      {"Transform", D3DXPC_MATRIX_ROWS, D3DXPT_FLOAT, 4, 4},
      {"Picture", D3DXPC_OBJECT, D3DXPT_TEXTURE, 0, 0},
      {"PictureSampler", D3DXPC_OBJECT, D3DXPT_SAMPLER, 0, 0},
      {"Flat", D3DXPC_OBJECT, D3DXPT_PIXELSHADER, 0, 0},
  };
  for (const ParameterShape& shape : shapes) effect_testing::ExpectParameter(effect.Get(), shape);
}

TEST_F(EffectRuntime, OffersTechniquesPassesAnnotationsAndInitialValues) {
  ComHolder<ID3DXEffect> effect(CompileAndCreate(device, Declarations));
  ASSERT_TRUE(effect.Get());
  D3DXHANDLE main = effect->GetTechniqueByName("Main");
  ASSERT_TRUE(main);
  ASSERT_TRUE(effect->GetTechniqueByName("Other"));
  D3DXTECHNIQUE_DESC technique;
  ASSERT_EQ(D3D_OK, effect->GetTechniqueDesc(main, &technique));
  EXPECT_EQ(2u, technique.Passes);
  EXPECT_TRUE(effect->GetPassByName(main, "Second"));

  LPCSTR text = nullptr;
  EXPECT_EQ(D3D_OK, effect->GetString(effect->GetAnnotationByName(main, "Use"), &text));
  EXPECT_STREQ("all", text);
  D3DXHANDLE picture = effect->GetParameterByName(nullptr, "Picture");
  EXPECT_EQ(D3D_OK, effect->GetString(effect->GetAnnotationByName(picture, "Origin"), &text));
  EXPECT_STREQ("test", text);
  float values[4] = {};
  EXPECT_EQ(D3D_OK, effect->GetFloatArray(effect->GetAnnotationByName(picture, "Size"), values, 2));
  EXPECT_EQ(8.0f, values[1]);
  float order = 0;
  EXPECT_EQ(D3D_OK, effect->GetFloat(effect->GetAnnotationByName(effect->GetPass(main, 0), "Order"),
                                     &order));
  EXPECT_EQ(1.0f, order);

  float level = 0;
  EXPECT_EQ(D3D_OK, effect->GetFloat("Level", &level));
  EXPECT_EQ(0.25f, level);
  EXPECT_EQ(D3D_OK, effect->GetFloatArray("Offset", values, 2));
  EXPECT_EQ(-1.0f, values[1]);
}

TEST_F(EffectRuntime, ASharedShaderParameterDrawsInEveryTechnique) {
  ComHolder<ID3DXEffect> effect(CompileAndCreate(device, Declarations));
  ASSERT_TRUE(effect.Get());
  for (const char* technique : {"Main", "Other"}) {
    Clear(D3DCOLOR_XRGB(0, 0, 0));
    DrawWithEffect(device, effect.Get(), technique);
    EXPECT_COLOR_NEAR(ReadPixel(Width / 2, Height / 2), D3DCOLOR_XRGB(0xFF, 0x80, 0x40), 2)
        << technique;
  }
}

// Each shape of float parameter lands in the register it is bound to, from component x on.
TEST_F(EffectRuntime, FloatParametersReachThePixelShaderRegisters) {
  ComHolder<ID3DXEffect> effect(CompileAndCreate(device, R"(
float Red : register(ps, c0);
float2 Green : register(ps, c1);
float3 Blue : register(ps, c2);
technique T { pass P {
  ZEnable = FALSE;
  PixelShader = asm {
    ps_2_0
    def c3, 0, 0, 0, 1
    mov r0, c3
    mov r0.r, c0.x
    mov r0.g, c1.y
    mov r0.b, c2.z
    mov oC0, r0
  };
} }
)"));
  ASSERT_TRUE(effect.Get());
  struct Setting {
    float red, green, blue;
    D3DCOLOR expected;
  };
  const Setting settings[] = {
      {1.0f, 0.5f, 0.25f, D3DCOLOR_XRGB(0xFF, 0x80, 0x40)},
      {0.0f, 1.0f, 0.75f, D3DCOLOR_XRGB(0x00, 0xFF, 0xBF)},  // set again: the new values are used
  };
  for (const Setting& setting : settings) {
    const float green[2] = {0, setting.green};
    const float blue[3] = {0, 0, setting.blue};
    EXPECT_EQ(D3D_OK, effect->SetFloat("Red", setting.red));
    EXPECT_EQ(D3D_OK, effect->SetFloatArray("Green", green, 2));
    EXPECT_EQ(D3D_OK, effect->SetFloatArray("Blue", blue, 3));
    Clear(D3DCOLOR_XRGB(0, 0, 0));
    DrawWithEffect(device, effect.Get(), "T");
    EXPECT_COLOR_NEAR(ReadPixel(Width / 2, Height / 2), setting.expected, 2);
  }
}

// A matrix set with SetMatrix lands row by row in the four registers it is bound to, so the
// shader computes the row vector times the matrix as D3DX does: a translation moves the square.
TEST_F(EffectRuntime, AMatrixParameterReachesTheVertexShader) {
  ComHolder<ID3DXEffect> effect(CompileAndCreate(device, R"(
float4x4 WorldViewProj : register(vs, c0);
technique T { pass P {
  ZEnable = FALSE;
  CullMode = None;
  VertexShader = asm {
    vs_2_0
    dcl_position v0
    mul r0, v0.x, c0
    mad r0, v0.y, c1, r0
    mad r0, v0.z, c2, r0
    mad oPos, v0.w, c3, r0
  };
  PixelShader = asm { ps_2_0
    def c0, 1, 1, 1, 1
    mov oC0, c0 };
} }
)"));
  ASSERT_TRUE(effect.Get());
  D3DXMATRIX move;
  D3DXMatrixTranslation(&move, 1.0f, -1.0f, 0.0f);
  ASSERT_EQ(D3D_OK, effect->SetMatrix("WorldViewProj", &move));
  Clear(D3DCOLOR_XRGB(0, 0, 0));
  // The square covers the top-left quarter of clip space; the translation takes it to the bottom
  // right.
  DrawPositionsWithEffect(device, effect.Get(), "T", {-1, 0, 0.5f, 0, 0, -1, 1, 0.5f, 0, 0,
                                                      0,  0, 0.5f, 0, 0, 0,  1, 0.5f, 0, 0});
  EXPECT_COLOR_NEAR(ReadPixel(3 * Width / 4, 3 * Height / 4), D3DCOLOR_XRGB(0xFF, 0xFF, 0xFF), 0);
  EXPECT_COLOR_NEAR(ReadPixel(Width / 4, Height / 4), D3DCOLOR_XRGB(0, 0, 0), 0);
}

struct SamplerCase {
  const char* states;
  float u;  // where the quad samples the two-texel texture (red on the left, green on the right)
  D3DCOLOR expected;
};

TEST_F(EffectRuntime, SamplerStatesOfASamplerTakeEffect) {
  const SamplerCase cases[] = {
      {"AddressU = Wrap; MinFilter = Point; MagFilter = Point;", 1.2f, D3DCOLOR_XRGB(0xFF, 0, 0)},
      {"AddressU = Clamp; MinFilter = Point; MagFilter = Point;", 1.2f, D3DCOLOR_XRGB(0, 0xFF, 0)},
      {"AddressU = Mirror; MinFilter = Point; MagFilter = Point;", 1.2f, D3DCOLOR_XRGB(0, 0xFF, 0)},
      {"AddressU = Clamp; MinFilter = Linear; MagFilter = Linear;", 0.5f,
       D3DCOLOR_XRGB(0x80, 0x80, 0)},
  };
  ComHolder<IDirect3DTexture9> texture(CreateTexture(device, 2, 1, {0xFFFF0000, 0xFF00FF00}));
  ASSERT_TRUE(texture.Get());
  for (const SamplerCase& sampler : cases) {
    std::string source =
        std::string(
            "texture Picture;\nsampler S : register(s0) = sampler_state { Texture = <Picture>; ") +
        sampler.states + R"( };
technique T { pass P {
  ZEnable = FALSE;
  PixelShader = asm { ps_2_0
    dcl t0.xy
    dcl_2d s0
    texld r0, t0, s0
    mov oC0, r0 };
} })";
    ComHolder<ID3DXEffect> effect(CompileAndCreate(device, source));
    ASSERT_TRUE(effect.Get()) << sampler.states;
    ASSERT_EQ(D3D_OK, effect->SetTexture("Picture", texture.Get()));
    Clear(D3DCOLOR_XRGB(0, 0, 0xFF));
    ScreenQuad quad;
    quad.u0 = quad.u1 = sampler.u;
    quad.v0 = quad.v1 = 0.5f;
    DrawWithEffect(device, effect.Get(), "T", quad);
    EXPECT_COLOR_NEAR(ReadPixel(Width / 2, Height / 2), sampler.expected, 3) << sampler.states;
  }
}

struct RenderStateCase {
  const char* states;
  const char* output;  // what the pixel shader writes: c0 = (1, 0, 0, 0.5), v0 = the lit colour
  D3DCOLOR expected;   // over a blue target
};

TEST_F(EffectRuntime, RenderStatesOfAPassTakeEffect) {
  const RenderStateCase cases[] = {
      {"AlphaBlendEnable = FALSE;", "c0", D3DCOLOR_XRGB(0xFF, 0, 0)},
      {"AlphaBlendEnable = TRUE; SrcBlend = SrcAlpha; DestBlend = InvSrcAlpha;", "c0",
       D3DCOLOR_XRGB(0x80, 0, 0x80)},
      {"AlphaBlendEnable = TRUE; SrcBlend = One; DestBlend = One; BlendOp = Max;", "c0",
       D3DCOLOR_XRGB(0xFF, 0, 0xFF)},
      {"CullMode = None;", "c0", D3DCOLOR_XRGB(0xFF, 0, 0)},
      {"CullMode = CW;", "c0", D3DCOLOR_XRGB(0, 0, 0xFF)},  // culled
      {"Lighting = FALSE;", "v0", D3DCOLOR_XRGB(0xFF, 0xFF, 0xFF)},
      {"Lighting = TRUE;", "v0", D3DCOLOR_XRGB(0, 0, 0)},  // no lights, no material: black
  };
  // Untransformed (the device's transforms are identity), so that lighting applies; the strip
  // covers clip space and winds clockwise on screen.
  const std::vector<float> square = {-1, -1, 0.5f, 0, 0, -1, 1, 0.5f, 0, 0,
                                     1,  -1, 0.5f, 0, 0, 1,  1, 0.5f, 0, 0};
  for (const RenderStateCase& state : cases) {
    std::string source = std::string("technique T { pass P {\n ZEnable = FALSE;\n") + state.states +
                         R"(
  PixelShader = asm { ps_2_0
    def c0, 1, 0, 0, 0.5
    dcl v0
    mov oC0, )" + state.output +
                         R"( };
} })";
    ComHolder<ID3DXEffect> effect(CompileAndCreate(device, source));
    ASSERT_TRUE(effect.Get()) << state.states;
    Clear(D3DCOLOR_XRGB(0, 0, 0xFF));
    DrawPositionsWithEffect(device, effect.Get(), "T", square);
    EXPECT_COLOR_NEAR(ReadPixel(Width / 2, Height / 2), state.expected, 2) << state.states;
  }
}

}  // namespace
