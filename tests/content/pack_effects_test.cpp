// The content pack's compiled effects, read from "tessaly.dll" as the player reads them: the
// pack holds exactly these RT_RCDATA resources, and each loads, offers the techniques and
// parameters its callers use, spelled and typed as they use them, and its parameters change
// what it draws.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/content/pack_fixture.h"
#include "tests/content/shader_registers.h"
#include "tests/support/device_fixture.h"
#include "tests/tools/fxc/effect_test_support.h"

namespace {

using effect_testing::ParameterShape;

// float is a scalar, float2 to float4 are vectors of that many columns.
constexpr ParameterShape Float(const char* name, UINT columns = 1) {
  return {name, columns == 1 ? D3DXPC_SCALAR : D3DXPC_VECTOR, D3DXPT_FLOAT, 1, columns};
}
constexpr ParameterShape Matrix(const char* name) {
  return {name, D3DXPC_MATRIX_ROWS, D3DXPT_FLOAT, 4, 4};
}
constexpr ParameterShape Texture(const char* name) {
  return {name, D3DXPC_OBJECT, D3DXPT_TEXTURE, 0, 0};
}

struct PackEffect {
  WORD id;
  const char* file;
  std::vector<const char*> techniques;
  std::vector<ParameterShape> parameters;
};

// Every full-screen effect is drawn by the same last step, which sets these.
std::vector<ParameterShape> FullScreen(std::vector<ParameterShape> own) {
  own.insert(own.end(), {Float("Scale", 2), Texture("Mask"), Texture("Background")});
  return own;
}

const std::vector<const char*> MainAndMainFX = {"Main", "MainFX"};

// clang-format off
const PackEffect Catalogue[] = {
    {63, "bump_distortion", {"BumpmapDistortLow2"},
     {Float("stenght"), Float("Offset", 2), Float("bump_scale", 2), Texture("SceneTex"),
      Texture("Bumpmap")}},
    {75, "background_copy", MainAndMainFX, FullScreen({Float("offset", 2)})},
    {76, "light_pulse", MainAndMainFX, FullScreen({Float("multiplier")})},
    {77, "waves", MainAndMainFX,
     FullScreen({Float("direction", 2), Float("direction_n", 2), Float("frequency"),
                 Float("amplitude"), Float("time")})},
    {78, "pattern_brush", MainAndMainFX,
     FullScreen({Texture("Pattern"), Float("scale", 2), Float("offset", 2),
                 Float("coord_transf", 4)})},
    {88, "underwater_ripple", MainAndMainFX,
     FullScreen({Float("frequency", 2), Float("amplitude"), Float("time")})},
    {90, "water", MainAndMainFX,
     FullScreen({Texture("BumpMap"), Float("BampTrans", 4), Float("P1", 3), Float("P2", 3),
                 Float("Time"), Float("Direction1", 2), Float("Direction2", 2), Float("Shadows"),
                 Float("Vhalf", 3), Float("Color", 3)})},
    {91, "moving_picture", MainAndMainFX, FullScreen({Float("Direction", 2)})},
    {92, "fire", {"Main", "AsEffect"},
     {Matrix("WorldViewProj"), Matrix("ViewProj"), Texture("Noise"), Texture("Pattern"),
      Float("c11", 2), Float("c12", 2), Float("c13", 2), Float("ColorK1", 3), Float("ColorK2", 3),
      Float("bg_scale_factor", 2), Texture("Mask"), Texture("Background"), Float("Brightness"),
      Float("Density")}},
    {97, "glow", {"Blend_Max", "Blend_Normal", "Blend_Screen", "Common"},
     {Texture("Texture1"), Texture("Texture2"), Float("BlendColor", 4)}},
    {99, "explosion", {"Main"},
     {Texture("GradientTex"), Texture("NoiseTex"), Float("color1", 3), Float("color2", 3),
      Float("noise_shift", 4), Float("noise_params", 3), Float("time", 2), Float("phase_3rd", 2),
      Float("phase_1st")}},
};
// clang-format on

// The RT_RCDATA resource of the pack that holds the effect compiled from `file`.fx.
std::vector<uint8_t> EffectBytes(const char* file) {
  const auto found = std::find_if(std::begin(Catalogue), std::end(Catalogue),
                                  [&](const PackEffect& e) { return std::string(e.file) == file; });
  HMODULE pack = pack_testing::LoadPack();
  if (found == std::end(Catalogue) || !pack) return {};
  std::vector<uint8_t> bytes;
  if (HRSRC resource = FindResourceW(pack, MAKEINTRESOURCEW(found->id), MAKEINTRESOURCEW(10))) {
    const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(pack, resource)));
    if (data) bytes.assign(data, data + SizeofResource(pack, resource));
  }
  FreeLibrary(pack);
  return bytes;
}

BOOL CALLBACK CollectEffectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::set<WORD>*>(ids)->insert(LOWORD(name));
  return TRUE;
}

TEST(PackModule, HoldsExactlyTheNamedEffects) {
  HMODULE pack = pack_testing::LoadPack();
  ASSERT_NE(pack, nullptr);
  std::set<WORD> expected, found;
  for (const PackEffect& e : Catalogue) expected.insert(e.id);
  EnumResourceNamesW(pack, MAKEINTRESOURCEW(10), CollectEffectId, reinterpret_cast<LONG_PTR>(&found));
  EXPECT_EQ(found, expected);
  FreeLibrary(pack);
}

class PackEffects : public testing_support::DeviceTest {
protected:
  ID3DXEffect* Load(const char* file) {
    std::vector<uint8_t> bytes = EffectBytes(file);
    if (bytes.empty()) ADD_FAILURE() << file << " is missing from the pack";
    HRESULT hr = S_OK;
    ID3DXEffect* effect = effect_testing::CreateEffect(device, bytes, &hr);
    if (!effect) ADD_FAILURE() << file << ": D3DXCreateEffect failed, 0x" << std::hex << hr;
    return effect;
  }
};

TEST_F(PackEffects, EachOffersItsTechniquesAndParameters) {
  for (const PackEffect& pack : Catalogue) {
    SCOPED_TRACE(pack.file);
    ComHolder<ID3DXEffect> effect(Load(pack.file));
    ASSERT_TRUE(effect.Get());
    for (const char* technique : pack.techniques) {
      D3DXHANDLE handle = effect->GetTechniqueByName(technique);
      ASSERT_TRUE(handle) << technique;
      EXPECT_EQ(D3D_OK, effect->ValidateTechnique(handle)) << technique;
    }
    for (const ParameterShape& parameter : pack.parameters)
      effect_testing::ExpectParameter(effect.Get(), parameter);
  }
}

// A register that nothing sets reads as whatever was left in it: each register a shader of the
// pack reads is bound to a parameter or defined by the shader itself.
TEST_F(PackEffects, EachShaderReadsOnlyRegistersThatAreSet) {
  for (const PackEffect& pack : Catalogue) {
    ComHolder<ID3DXEffect> effect(Load(pack.file));
    ASSERT_TRUE(effect.Get()) << pack.file;
    D3DXEFFECT_DESC desc;
    ASSERT_EQ(D3D_OK, effect->GetDesc(&desc));
    int shaders = 0;
    for (UINT t = 0; t < desc.Techniques; ++t) {
      D3DXHANDLE technique = effect->GetTechnique(t);
      D3DXTECHNIQUE_DESC techniqueDesc;
      ASSERT_EQ(D3D_OK, effect->GetTechniqueDesc(technique, &techniqueDesc));
      for (UINT p = 0; p < techniqueDesc.Passes; ++p) {
        D3DXPASS_DESC pass;
        ASSERT_EQ(D3D_OK, effect->GetPassDesc(effect->GetPass(technique, p), &pass));
        for (const DWORD* function : {pass.pVertexShaderFunction, pass.pPixelShaderFunction}) {
          if (!function) continue;
          ++shaders;
          const pack_testing::ShaderRegisters registers = pack_testing::ReadShaderRegisters(function);
          for (const std::string& name : registers.read)
            EXPECT_TRUE(registers.defined.count(name) || registers.bound.count(name))
                << pack.file << " " << techniqueDesc.Name << " " << pass.Name << ": the "
                << (function == pass.pVertexShaderFunction ? "vertex" : "pixel")
                << " shader reads " << name << ", which nothing sets";
        }
      }
    }
    EXPECT_GT(shaders, 0) << pack.file;
  }
}

// The textures the probes bind.
enum class Picture { None, Gray, MidGray, White, Transparent, Blue, RedThenGreen };

struct Setting {
  const char* name;
  std::vector<float> floats;  // for a float parameter
  Picture picture;            // for a texture parameter
};

Setting Floats(const char* name, std::vector<float> values) {
  return {name, std::move(values), Picture::None};
}
Setting Bind(const char* name, Picture picture) {
  return {name, {}, picture};
}

// A probe draws the effect over the whole target and reads the pixel at (x, middle row). Like
// the player, it draws pre-transformed quads (full-screen effects and particles get their
// transform from the fixed-function pipeline); an effect with a "WorldViewProj" places its own
// vertices, so it gets positions over the whole of clip space and an identity matrix.
struct Probe {
  const char* file;
  const char* technique;
  std::vector<Setting> settings;
  D3DCOLOR clear;
  UINT x;
  D3DCOLOR expected;
  const char* why;
};

constexpr D3DCOLOR Black = D3DCOLOR_XRGB(0, 0, 0);
constexpr D3DCOLOR Gray = D3DCOLOR_XRGB(0x40, 0x40, 0x40);
constexpr D3DCOLOR MidGray = D3DCOLOR_XRGB(0x80, 0x80, 0x80);
constexpr D3DCOLOR Red = D3DCOLOR_XRGB(0xFF, 0, 0);
constexpr D3DCOLOR Green = D3DCOLOR_XRGB(0, 0xFF, 0);
constexpr UINT Middle = 128;  // the centre of the 256 x 256 test target
constexpr UINT Left = 25;     // u = 0.1: red on RedThenGreen, whose right half is green
constexpr UINT Edge = 2;
constexpr float QuarterTurn = 1.5707964f;

// clang-format off
const Probe Probes[] = {
    {"light_pulse", "Main", {Bind("Background", Picture::Gray)},
     Black, Middle, Gray, "multiplier 0 leaves the picture"},
    {"light_pulse", "MainFX", {Bind("Background", Picture::Gray), Floats("multiplier", {1})},
     Black, Middle, MidGray, "multiplier 1 doubles the light; with no mask, everywhere"},
    {"light_pulse", "Main",
     {Bind("Background", Picture::Gray), Floats("multiplier", {1}),
      Bind("Mask", Picture::Transparent)},
     Black, Middle, Gray, "a transparent mask keeps the effect off"},
    {"background_copy", "Main",
     {Bind("Background", Picture::RedThenGreen), Floats("offset", {-0.5f, 0})},
     Black, Left, D3DCOLOR_XRGB(0x80, 0x80, 0), "half a copy from half a picture away"},
    {"moving_picture", "Main",
     {Bind("Background", Picture::RedThenGreen), Floats("Direction", {-0.5f, 0})},
     Black, Left, Green, "the picture moved half its width to the left"},
    {"moving_picture", "MainFX", {Bind("Background", Picture::RedThenGreen)},
     Black, Left, Red, "no displacement leaves the picture"},
    {"waves", "Main",
     {Bind("Background", Picture::RedThenGreen), Floats("direction", {-1, 0}),
      Floats("direction_n", {1, 0}), Floats("amplitude", {0.5f}), Floats("time", {QuarterTurn})},
     Black, Left, Green, "a wave crest pushes by the amplitude along direction_n"},
    {"waves", "MainFX", {Bind("Background", Picture::RedThenGreen), Floats("time", {QuarterTurn})},
     Black, Left, Red, "amplitude 0 leaves the picture"},
    {"underwater_ripple", "Main",
     {Bind("Background", Picture::RedThenGreen), Floats("amplitude", {0.5f}),
      Floats("time", {QuarterTurn})},
     Black, Left, Green, "a ripple crest pushes by the amplitude"},
    {"pattern_brush", "Main", {Bind("Background", Picture::Gray), Bind("Pattern", Picture::Blue)},
     Black, Middle, D3DCOLOR_XRGB(0, 0, 0xFF), "an opaque pattern covers the picture"},
    {"pattern_brush", "MainFX",
     {Bind("Background", Picture::Gray), Bind("Pattern", Picture::Transparent)},
     Black, Middle, Gray, "a transparent pattern shows the picture"},
    {"water", "Main", {Bind("Background", Picture::MidGray), Floats("Color", {1, 0, 0})},
     Black, Middle, D3DCOLOR_XRGB(0x80, 0, 0), "the tint colours the water"},
    {"water", "MainFX", {Bind("Background", Picture::MidGray)},
     Black, Middle, MidGray, "untinted, unshaded water over a flat picture is the picture"},
    {"bump_distortion", "BumpmapDistortLow2",
     {Bind("SceneTex", Picture::RedThenGreen), Bind("Bumpmap", Picture::White),
      Floats("stenght", {0.5f})},
     Black, Left, Green, "full slopes push by the strength"},
    {"bump_distortion", "BumpmapDistortLow2",
     {Bind("SceneTex", Picture::RedThenGreen), Bind("Bumpmap", Picture::White)},
     Black, Left, Red, "strength 0 leaves the scene"},
    {"glow", "Blend_Screen",
     {Bind("Texture1", Picture::Gray), Bind("Texture2", Picture::White),
      Floats("BlendColor", {0, 0.6f, 1, 1})},
     Black, Middle, D3DCOLOR_XRGB(0x40, 0xB3, 0xFF), "the scene screened with the tinted glow"},
    {"glow", "Blend_Normal",
     {Bind("Texture1", Picture::Gray), Bind("Texture2", Picture::White),
      Floats("BlendColor", {1, 0, 0, 0.5f})},
     Black, Middle, D3DCOLOR_XRGB(0x9F, 0x20, 0x20), "the tinted glow at half strength"},
    {"glow", "Blend_Max", {Bind("Texture1", Picture::MidGray)},
     Gray, Middle, MidGray, "the brighter of target and particle"},
    {"glow", "Blend_Max", {Bind("Texture1", Picture::Gray)},
     MidGray, Middle, MidGray, "a darker particle leaves the target"},
    {"glow", "Blend_Max", {Bind("Texture1", Picture::Transparent)},
     Black, Middle, Black, "a clear texel adds no glow, whatever its colour"},
    {"glow", "Common", {Bind("Texture1", Picture::Transparent)},
     Gray, Middle, Gray, "a transparent particle texture draws nothing on top"},
    {"explosion", "Main",
     {Bind("GradientTex", Picture::White), Bind("NoiseTex", Picture::MidGray),
      Floats("color1", {1, 0, 0}), Floats("color2", {0, 0, 1})},
     Black, Middle, Red, "the core takes color1"},
    {"explosion", "Main", {Bind("GradientTex", Picture::White), Bind("NoiseTex", Picture::MidGray)},
     Black, Edge, Black, "nothing outside the disc"},
    {"fire", "Main",
     {Bind("Pattern", Picture::White), Bind("Noise", Picture::White), Floats("Brightness", {0.3f})},
     Black, Middle, D3DCOLOR_XRGB(0xFF, 0xFF, 0), "a full flame: ColorK1 + ColorK2, red to yellow"},
    {"fire", "AsEffect",
     {Bind("Pattern", Picture::White), Bind("Noise", Picture::White), Floats("Brightness", {0})},
     Black, Middle, Black, "brightness 0 adds nothing"},
};
// clang-format on

TEST_F(PackEffects, ParametersChangeWhatEachDraws) {
  std::vector<D3DCOLOR> halves(16, 0xFFFF0000);
  std::fill(halves.begin() + 8, halves.end(), 0xFF00FF00);
  auto solid = [this](D3DCOLOR color) {
    return effect_testing::CreateTexture(device, 1, 1, {color});
  };
  // In the order of Picture.
  ComHolder<IDirect3DTexture9> textures[] = {
      ComHolder<IDirect3DTexture9>(),
      ComHolder<IDirect3DTexture9>(solid(0xFF404040)),
      ComHolder<IDirect3DTexture9>(solid(0xFF808080)),
      ComHolder<IDirect3DTexture9>(solid(0xFFFFFFFF)),
      ComHolder<IDirect3DTexture9>(solid(0x00FFFFFF)),
      ComHolder<IDirect3DTexture9>(solid(0xFF0000FF)),
      ComHolder<IDirect3DTexture9>(effect_testing::CreateTexture(device, 16, 1, halves)),
  };
  // Clip space, with texture coordinates 0..1 from top to bottom.
  const std::vector<float> clipSquare = {-1, -1, 0.5f, 0, 1, -1, 1, 0.5f, 0, 0,
                                         1,  -1, 0.5f, 1, 1, 1,  1, 0.5f, 1, 0};
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);

  for (const Probe& probe : Probes) {
    SCOPED_TRACE(std::string(probe.file) + " " + probe.technique + ": " + probe.why);
    ComHolder<ID3DXEffect> effect(Load(probe.file));
    ASSERT_TRUE(effect.Get());
    const bool placesItsVertices = effect->GetParameterByName(nullptr, "WorldViewProj") != nullptr;
    if (placesItsVertices) {
      EXPECT_EQ(D3D_OK, effect->SetMatrix("WorldViewProj", &identity));
    }
    for (const Setting& setting : probe.settings) {
      if (setting.picture != Picture::None) {
        IDirect3DTexture9* texture = textures[static_cast<int>(setting.picture)].Get();
        EXPECT_EQ(D3D_OK, effect->SetTexture(setting.name, texture));
      } else {
        EXPECT_EQ(D3D_OK, effect->SetFloatArray(setting.name, setting.floats.data(),
                                                static_cast<UINT>(setting.floats.size())));
      }
    }
    Clear(probe.clear);
    if (placesItsVertices)
      effect_testing::DrawPositionsWithEffect(device, effect.Get(), probe.technique, clipSquare);
    else
      effect_testing::DrawWithEffect(device, effect.Get(), probe.technique);
    EXPECT_COLOR_NEAR(ReadPixel(probe.x, Middle), probe.expected, 3);
  }
}

}  // namespace
