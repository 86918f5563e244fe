// The content pack's compiled effects (content/effects, built into EFFECTS_BINARY_DIR): each
// loads, offers the techniques and parameters its callers use, spelled and typed as they use
// them, and its parameters change what it draws.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/device_fixture.h"
#include "tests/tools/effect_test_support.h"

namespace {

using effect_testing::ComRef;
using effect_testing::ParameterShape;

constexpr D3DXPARAMETER_CLASS Scalar = D3DXPC_SCALAR;
constexpr D3DXPARAMETER_CLASS Vector = D3DXPC_VECTOR;

constexpr ParameterShape Float(const char* name) { return {name, Scalar, D3DXPT_FLOAT, 1, 1}; }
constexpr ParameterShape Float2(const char* name) { return {name, Vector, D3DXPT_FLOAT, 1, 2}; }
constexpr ParameterShape Float3(const char* name) { return {name, Vector, D3DXPT_FLOAT, 1, 3}; }
constexpr ParameterShape Float4(const char* name) { return {name, Vector, D3DXPT_FLOAT, 1, 4}; }
constexpr ParameterShape Matrix(const char* name) { return {name, D3DXPC_MATRIX_ROWS, D3DXPT_FLOAT, 4, 4}; }
constexpr ParameterShape Texture(const char* name) { return {name, D3DXPC_OBJECT, D3DXPT_TEXTURE, 0, 0}; }

struct PackEffect {
  const char* file;
  std::vector<const char*> techniques;
  std::vector<ParameterShape> parameters;
};

// Every full-screen effect is drawn by the same last step, which sets these.
std::vector<ParameterShape> FullScreen(std::vector<ParameterShape> own) {
  own.insert(own.end(), {Float2("Scale"), Texture("Mask"), Texture("Background")});
  return own;
}

const std::vector<const char*> MainAndMainFX = {"Main", "MainFX"};

const PackEffect Catalogue[] = {
    {"bump_distortion", {"BumpmapDistortLow2"},
     {Float("stenght"), Float2("Offset"), Float2("bump_scale"), Texture("SceneTex"), Texture("Bumpmap")}},
    {"background_copy", MainAndMainFX, FullScreen({Float2("offset")})},
    {"light_pulse", MainAndMainFX, FullScreen({Float("multiplier")})},
    {"waves", MainAndMainFX,
     FullScreen({Float2("direction"), Float2("direction_n"), Float("frequency"), Float("amplitude"), Float("time")})},
    {"pattern_brush", MainAndMainFX,
     FullScreen({Texture("Pattern"), Float2("scale"), Float2("offset"), Float4("coord_transf")})},
    {"underwater_ripple", MainAndMainFX, FullScreen({Float2("frequency"), Float("amplitude"), Float("time")})},
    {"water", MainAndMainFX,
     FullScreen({Texture("BumpMap"), Float4("BampTrans"), Float3("P1"), Float3("P2"), Float("Time"),
                 Float2("Direction1"), Float2("Direction2"), Float("Shadows"), Float3("Vhalf"), Float3("Color")})},
    {"moving_picture", MainAndMainFX, FullScreen({Float2("Direction")})},
    {"fire", {"Main", "AsEffect"},
     {Matrix("WorldViewProj"), Matrix("ViewProj"), Texture("Noise"), Texture("Pattern"), Float2("c11"),
      Float2("c12"), Float2("c13"), Float3("ColorK1"), Float3("ColorK2"), Float2("bg_scale_factor"),
      Texture("Mask"), Texture("Background"), Float("Brightness"), Float("Density")}},
    {"glow", {"Blend_Max", "Blend_Normal", "Blend_Screen", "Common"},
     {Texture("Texture1"), Texture("Texture2"), Float4("BlendColor")}},
    {"explosion", {"Main"},
     {Texture("GradientTex"), Texture("NoiseTex"), Float3("color1"), Float3("color2"), Float4("noise_shift"),
      Float3("noise_params"), Float2("time"), Float2("phase_3rd"), Float("phase_1st")}},
};

class PackEffects : public testing_support::DeviceTest {
protected:
  ID3DXEffect* Load(const char* file) {
    std::vector<uint8_t> bytes = effect_testing::ReadFileBytes(std::string(EFFECTS_BINARY_DIR) + "/" + file + ".fxo");
    if (bytes.empty()) ADD_FAILURE() << file << ".fxo is missing";
    HRESULT hr = S_OK;
    ID3DXEffect* effect = effect_testing::CreateEffect(device, bytes, &hr);
    if (!effect) ADD_FAILURE() << file << ": D3DXCreateEffect failed, 0x" << std::hex << hr;
    return effect;
  }
};

TEST_F(PackEffects, EachOffersItsTechniquesAndParameters) {
  for (const PackEffect& pack : Catalogue) {
    SCOPED_TRACE(pack.file);
    ComRef<ID3DXEffect> effect(Load(pack.file));
    ASSERT_TRUE(effect.Get());
    for (const char* technique : pack.techniques) {
      D3DXHANDLE handle = effect->GetTechniqueByName(technique);
      ASSERT_TRUE(handle) << technique;
      EXPECT_EQ(D3D_OK, effect->ValidateTechnique(handle)) << technique;
    }
    for (const ParameterShape& parameter : pack.parameters) effect_testing::ExpectParameter(effect.Get(), parameter);
  }
}

// The textures the probes bind.
enum class Picture { None, Gray, MidGray, White, Transparent, Blue, RedThenGreen };

struct Setting {
  const char* name;
  std::vector<float> floats;  // for a float parameter
  Picture picture;            // for a texture parameter
};

Setting Floats(const char* name, std::vector<float> values) { return {name, std::move(values), Picture::None}; }
Setting Bind(const char* name, Picture picture) { return {name, {}, picture}; }

// How a probe draws: the picture's quad (pre-transformed, like the full-screen effects and the
// particles, which get their transform from the fixed-function pipeline), or positions for the
// effect's own vertex shader, here the whole of clip space.
enum class Geometry { Quad, Positions };

struct Probe {
  const char* file;
  const char* technique;
  std::vector<Setting> settings;
  Geometry geometry;
  D3DCOLOR clear;
  UINT x, y;
  D3DCOLOR expected;
  const char* why;
};

constexpr D3DCOLOR Black = D3DCOLOR_XRGB(0, 0, 0);
constexpr D3DCOLOR Gray = D3DCOLOR_XRGB(0x40, 0x40, 0x40);
constexpr D3DCOLOR Red = D3DCOLOR_XRGB(0xFF, 0, 0);
constexpr D3DCOLOR Green = D3DCOLOR_XRGB(0, 0xFF, 0);
constexpr UINT Middle = 128;  // the centre of the 256 x 256 test target
constexpr UINT Left = 25;  // u = 0.1: red on RedThenGreen, whose right half is green

const Probe Probes[] = {
    {"light_pulse", "Main", {Bind("Background", Picture::Gray)}, Geometry::Quad, Black, Middle, Middle, Gray,
     "multiplier 0 leaves the picture"},
    {"light_pulse", "MainFX", {Bind("Background", Picture::Gray), Floats("multiplier", {1})}, Geometry::Quad,
     Black, Middle, Middle, D3DCOLOR_XRGB(0x80, 0x80, 0x80), "multiplier 1 doubles the light; no mask: everywhere"},
    {"light_pulse", "Main",
     {Bind("Background", Picture::Gray), Floats("multiplier", {1}), Bind("Mask", Picture::Transparent)},
     Geometry::Quad, Black, Middle, Middle, Gray, "a transparent mask keeps the effect off"},
    {"background_copy", "Main", {Bind("Background", Picture::RedThenGreen), Floats("offset", {-0.5f, 0})},
     Geometry::Quad, Black, Left, Middle, D3DCOLOR_XRGB(0x80, 0x80, 0), "half the copy from half a picture away"},
    {"moving_picture", "Main", {Bind("Background", Picture::RedThenGreen), Floats("Direction", {-0.5f, 0})},
     Geometry::Quad, Black, Left, Middle, Green, "the picture moved half its width to the left"},
    {"moving_picture", "MainFX", {Bind("Background", Picture::RedThenGreen)}, Geometry::Quad, Black, Left,
     Middle, Red, "no displacement leaves the picture"},
    {"waves", "Main",
     {Bind("Background", Picture::RedThenGreen), Floats("direction", {-1, 0}), Floats("direction_n", {1, 0}),
      Floats("amplitude", {0.5f}), Floats("time", {1.5707964f})},
     Geometry::Quad, Black, Left, Middle, Green, "a wave crest pushes by the amplitude along direction_n"},
    {"waves", "MainFX", {Bind("Background", Picture::RedThenGreen), Floats("time", {1.5707964f})},
     Geometry::Quad, Black, Left, Middle, Red, "amplitude 0 leaves the picture"},
    {"underwater_ripple", "Main",
     {Bind("Background", Picture::RedThenGreen), Floats("amplitude", {0.5f}), Floats("time", {1.5707964f})},
     Geometry::Quad, Black, Left, Middle, Green, "a ripple crest pushes by the amplitude"},
    {"pattern_brush", "Main", {Bind("Background", Picture::Gray), Bind("Pattern", Picture::Blue)}, Geometry::Quad,
     Black, Middle, Middle, D3DCOLOR_XRGB(0, 0, 0xFF), "an opaque pattern covers the picture"},
    {"pattern_brush", "MainFX", {Bind("Background", Picture::Gray), Bind("Pattern", Picture::Transparent)},
     Geometry::Quad, Black, Middle, Middle, Gray, "a transparent pattern shows the picture"},
    {"water", "Main", {Bind("Background", Picture::MidGray), Floats("Color", {1, 0, 0})}, Geometry::Quad, Black,
     Middle, Middle, D3DCOLOR_XRGB(0x80, 0, 0), "the tint colours the water"},
    {"water", "MainFX", {Bind("Background", Picture::MidGray)}, Geometry::Quad, Black, Middle, Middle,
     D3DCOLOR_XRGB(0x80, 0x80, 0x80), "untinted, unshaded water over a flat picture is the picture"},
    {"bump_distortion", "BumpmapDistortLow2",
     {Bind("SceneTex", Picture::RedThenGreen), Bind("Bumpmap", Picture::White), Floats("stenght", {0.5f})},
     Geometry::Quad, Black, Left, Middle, Green, "full slopes push by the strength"},
    {"bump_distortion", "BumpmapDistortLow2", {Bind("SceneTex", Picture::RedThenGreen), Bind("Bumpmap", Picture::White)},
     Geometry::Quad, Black, Left, Middle, Red, "strength 0 leaves the scene"},
    {"glow", "Blend_Screen",
     {Bind("Texture1", Picture::Gray), Bind("Texture2", Picture::White), Floats("BlendColor", {0, 0.6f, 1, 1})},
     Geometry::Quad, Black, Middle, Middle, D3DCOLOR_XRGB(0x40, 0xB3, 0xFF), "screen of the tinted glow"},
    {"glow", "Blend_Normal",
     {Bind("Texture1", Picture::Gray), Bind("Texture2", Picture::White), Floats("BlendColor", {1, 0, 0, 0.5f})},
     Geometry::Quad, Black, Middle, Middle, D3DCOLOR_XRGB(0x9F, 0x20, 0x20), "the tinted glow at half strength"},
    {"glow", "Blend_Max", {Bind("Texture1", Picture::MidGray)}, Geometry::Quad, Gray, Middle, Middle,
     D3DCOLOR_XRGB(0x80, 0x80, 0x80), "the brighter of target and particle"},
    {"glow", "Blend_Max", {Bind("Texture1", Picture::Gray)}, Geometry::Quad, D3DCOLOR_XRGB(0x80, 0x80, 0x80),
     Middle, Middle, D3DCOLOR_XRGB(0x80, 0x80, 0x80), "a darker particle leaves the target"},
    {"glow", "Common", {Bind("Texture1", Picture::Transparent)}, Geometry::Quad, Gray, Middle, Middle, Gray,
     "a transparent particle texture draws nothing on top"},
    {"explosion", "Main",
     {Bind("GradientTex", Picture::White), Bind("NoiseTex", Picture::MidGray), Floats("color1", {1, 0, 0}),
      Floats("color2", {0, 0, 1})},
     Geometry::Quad, Black, Middle, Middle, Red, "the core takes color1"},
    {"explosion", "Main", {Bind("GradientTex", Picture::White), Bind("NoiseTex", Picture::MidGray)},
     Geometry::Quad, Black, 2, 2, Black, "nothing outside the disc"},
    {"fire", "Main",
     {Bind("Pattern", Picture::White), Bind("Noise", Picture::White), Floats("Brightness", {0.3f})},
     Geometry::Positions, Black, Middle, Middle, D3DCOLOR_XRGB(0xFF, 0xFF, 0),
     "a full flame: ColorK1 + ColorK2, red to yellow"},
    {"fire", "AsEffect",
     {Bind("Pattern", Picture::White), Bind("Noise", Picture::White), Floats("Brightness", {0})},
     Geometry::Positions, Black, Middle, Middle, Black, "brightness 0 adds nothing"},
};

TEST_F(PackEffects, ParametersChangeWhatEachDraws) {
  const D3DCOLOR halves[16] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000,
                               0xFFFF0000, 0xFFFF0000, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00,
                               0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00};
  ComRef<IDirect3DTexture9> textures[] = {
      ComRef<IDirect3DTexture9>(),
      ComRef<IDirect3DTexture9>(effect_testing::CreateTexture(device, 1, 1, {0xFF404040})),
      ComRef<IDirect3DTexture9>(effect_testing::CreateTexture(device, 1, 1, {0xFF808080})),
      ComRef<IDirect3DTexture9>(effect_testing::CreateTexture(device, 1, 1, {0xFFFFFFFF})),
      ComRef<IDirect3DTexture9>(effect_testing::CreateTexture(device, 1, 1, {0x00FFFFFF})),
      ComRef<IDirect3DTexture9>(effect_testing::CreateTexture(device, 1, 1, {0xFF0000FF})),
      ComRef<IDirect3DTexture9>(effect_testing::CreateTexture(device, 16, 1, {halves, halves + 16})),
  };
  // Clip space, with texture coordinates 0..1 top to bottom, for the vertex shader of the fire.
  const std::vector<float> clipSquare = {-1, -1, 0.5f, 0, 1, -1, 1, 0.5f, 0, 0, 1, -1, 0.5f, 1, 1, 1, 1, 0.5f, 1, 0};
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);

  for (const Probe& probe : Probes) {
    SCOPED_TRACE(std::string(probe.file) + " " + probe.technique + ": " + probe.why);
    ComRef<ID3DXEffect> effect(Load(probe.file));
    ASSERT_TRUE(effect.Get());
    if (effect->GetParameterByName(nullptr, "WorldViewProj")) {
      EXPECT_EQ(D3D_OK, effect->SetMatrix("WorldViewProj", &identity));
    }
    for (const Setting& setting : probe.settings) {
      if (setting.picture != Picture::None) {
        EXPECT_EQ(D3D_OK, effect->SetTexture(setting.name, textures[static_cast<int>(setting.picture)].Get()));
      } else {
        EXPECT_EQ(D3D_OK, effect->SetFloatArray(setting.name, setting.floats.data(),
                                                static_cast<UINT>(setting.floats.size())));
      }
    }
    Clear(probe.clear);
    if (probe.geometry == Geometry::Quad)
      effect_testing::DrawWithEffect(device, effect.Get(), probe.technique);
    else
      effect_testing::DrawPositionsWithEffect(device, effect.Get(), probe.technique, clipSquare);
    EXPECT_COLOR_NEAR(ReadPixel(probe.x, probe.y), probe.expected, 3);
  }
}

}  // namespace
