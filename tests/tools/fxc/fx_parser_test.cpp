#include "tools/fxc/fx_parser.h"

#include <d3d9.h>
#include <gtest/gtest.h>

#include "tools/fxc/effect_compiler.h"
#include "tools/fxc/fx_error.h"

namespace {

using fxc::AssignmentKind;
using fxc::ValueKind;

const char* const EveryFeature = R"(// a comment
float Level : register(ps, c1) = 0.5;
float2 Scale = {2, -1.5e0};
float4x4 Transform : register(vs, c4);
texture Picture < string Origin = "test"; float2 Size = {4, 8}; >;
sampler PictureSampler : register(s2) = sampler_state {
  Texture = <Picture>;
  AddressU = Mirror;
  MinFilter = LINEAR;
};
pixelshader Flat = asm { ps_2_0
  mov oC0, c0 };
/* two
   lines */
technique Main < string Use = "all"; > {
  pass First {
    ZEnable = false;
    BlendOp = Max;
    PixelShader = asm {
      ps_2_0
      mov oC0, c1
    };
  }
  pass Second { CullMode = CCW; PixelShader = <Flat>; }
}
)";

TEST(FxParser, ReadsParametersWithShapesValuesAnnotationsAndSamplerStates) {
  fxc::EffectModel effect = fxc::ParseEffect(EveryFeature);
  ASSERT_EQ(6u, effect.parameters.size());

  const fxc::Parameter& level = effect.parameters[0];
  EXPECT_EQ("Level", level.name);
  EXPECT_EQ(ValueKind::Float, level.kind);
  EXPECT_EQ(std::vector<float>({0.5f}), level.initialValue);
  EXPECT_EQ(2, level.line);
  ASSERT_EQ(1u, level.registers.size());
  EXPECT_EQ(fxc::ShaderStage::Pixel, level.registers[0].stage);
  EXPECT_FALSE(level.registers[0].sampler);
  EXPECT_EQ(1u, level.registers[0].index);
  EXPECT_EQ(1u, level.registers[0].count);

  const fxc::Parameter& scale = effect.parameters[1];
  EXPECT_EQ(1, scale.rows);
  EXPECT_EQ(2, scale.columns);
  EXPECT_EQ(std::vector<float>({2.0f, -1.5f}), scale.initialValue);

  const fxc::Parameter& transform = effect.parameters[2];
  EXPECT_EQ(4, transform.rows);
  EXPECT_EQ(4, transform.columns);
  EXPECT_EQ(std::vector<float>(16, 0.0f), transform.initialValue);  // zeros when not given
  ASSERT_EQ(1u, transform.registers.size());
  EXPECT_EQ(fxc::ShaderStage::Vertex, transform.registers[0].stage);
  EXPECT_EQ(4u, transform.registers[0].index);
  EXPECT_EQ(4u, transform.registers[0].count);  // one register per row

  const fxc::Parameter& picture = effect.parameters[3];
  EXPECT_EQ(ValueKind::Texture, picture.kind);
  ASSERT_EQ(2u, picture.annotations.size());
  EXPECT_EQ(ValueKind::String, picture.annotations[0].kind);
  EXPECT_EQ("test", picture.annotations[0].text);
  EXPECT_EQ("Size", picture.annotations[1].name);
  EXPECT_EQ(std::vector<float>({4.0f, 8.0f}), picture.annotations[1].floats);

  const fxc::Parameter& sampler = effect.parameters[4];
  EXPECT_EQ(ValueKind::Sampler, sampler.kind);
  ASSERT_EQ(1u, sampler.registers.size());
  EXPECT_TRUE(sampler.registers[0].sampler);
  EXPECT_EQ(fxc::ShaderStage::Pixel, sampler.registers[0].stage);
  EXPECT_EQ(2u, sampler.registers[0].index);
  ASSERT_EQ(3u, sampler.samplerStates.size());
  EXPECT_EQ(AssignmentKind::TextureReference, sampler.samplerStates[0].kind);
  EXPECT_EQ("Picture", sampler.samplerStates[0].reference);
  EXPECT_EQ(static_cast<uint32_t>(D3DTADDRESS_MIRROR), sampler.samplerStates[1].value);
  // Value names are read without regard to case.
  EXPECT_EQ(static_cast<uint32_t>(D3DTEXF_LINEAR), sampler.samplerStates[2].value);

  const fxc::Parameter& flat = effect.parameters[5];
  EXPECT_EQ(ValueKind::PixelShader, flat.kind);
  EXPECT_EQ(11, flat.shader.line);
  EXPECT_NE(std::string::npos, flat.shader.assembly.find("mov oC0, c0"));
}

TEST(FxParser, ReadsTechniquesPassesAndEveryKindOfPassState) {
  fxc::EffectModel effect = fxc::ParseEffect(EveryFeature);
  ASSERT_EQ(1u, effect.techniques.size());
  const fxc::Technique& main = effect.techniques[0];
  EXPECT_EQ("Main", main.name);
  ASSERT_EQ(1u, main.annotations.size());
  EXPECT_EQ("all", main.annotations[0].text);
  ASSERT_EQ(2u, main.passes.size());
  EXPECT_EQ("Second", main.passes[1].name);

  const std::vector<fxc::StateAssignment>& states = main.passes[0].states;
  ASSERT_EQ(3u, states.size());
  EXPECT_EQ(AssignmentKind::Bool, states[0].kind);
  EXPECT_EQ(0u, states[0].value);
  EXPECT_EQ(AssignmentKind::Int, states[1].kind);
  EXPECT_EQ(static_cast<uint32_t>(D3DBLENDOP_MAX), states[1].value);
  EXPECT_EQ(AssignmentKind::PixelShader, states[2].kind);
  EXPECT_NE(std::string::npos, states[2].shader.assembly.find("mov oC0, c1"));
  EXPECT_EQ(19, states[2].shader.line);

  const std::vector<fxc::StateAssignment>& second = main.passes[1].states;
  EXPECT_EQ(static_cast<uint32_t>(D3DCULL_CCW), second[0].value);
  EXPECT_EQ(AssignmentKind::PixelShader, second[1].kind);
  EXPECT_EQ("Flat", second[1].reference);
  EXPECT_TRUE(second[1].shader.assembly.empty());
}

TEST(FxParser, EndsAnAsmBlockAtItsClosingBraceNotAtOneInAComment) {
  fxc::EffectModel effect = fxc::ParseEffect(R"(pixelshader P = asm {
  ps_2_0  // { c0 }
  /* } */ mov oC0, c0
};
technique T { pass Q { PixelShader = <P>; } }
)");
  ASSERT_EQ(1u, effect.parameters.size());
  EXPECT_NE(std::string::npos, effect.parameters[0].shader.assembly.find("mov oC0, c0"));
  ASSERT_EQ(1u, effect.techniques.size());
}

struct ErrorCase {
  const char* source;
  int line;
  const char* message;
};

// Each case is compiled whole (parse, assemble, write), so assembler errors are included.
const ErrorCase ErrorCases[] = {
    {"float5 x;", 1, "expected a parameter or a technique, found 'float5'"},
    {"float a\nfloat b;", 2, "expected ';' after the declaration of 'a', found 'float'"},
    {"float a;\n\nfloat a;", 3, "parameter 'a' is already declared on line 1"},
    {"float2 s = {1, 2, 3};", 1, "float2 's' needs 2 initial values, got 3"},
    {"float s = {1,\n x};", 2, "expected a number, found 'x'"},
    {"texture t = 1;", 1, "a texture takes no initial value"},
    {"float a; @", 1, "unexpected character '@'"},
    {"float a;\n/* never closed\n", 2, "unterminated comment"},
    {"texture t < string s = \"open; >;", 1, "unterminated string"},
    {"float a < int n = 1; >;", 1, "an annotation is a string or a float..float4, not 'int'"},
    {"float a;", 1, "the effect has no technique"},
    {"technique T { }", 1, "technique 'T' has no pass"},
    {"technique T { pass P { } }\ntechnique T { pass P { } }", 2,
     "technique 'T' is already declared on line 1"},
    {"technique T {\n pass P {\n  AlphaBlend = TRUE;\n }\n}", 3, "unknown state 'AlphaBlend'"},
    {"technique T { pass P {\n CullMode = Sideways; } }", 2,
     "'Sideways' is not a value of CullMode (expected None, CW or CCW)"},
    {"technique T { pass P {\n AddressU = Wrap; } }", 2,
     "'AddressU' is a sampler state: set it in a sampler_state block"},
    {"sampler S = sampler_state {\n ZEnable = TRUE; };", 2, "'ZEnable' is not a sampler state"},
    {"technique T { pass P {\n PixelShader = <Missing>; } }", 2,
     "'Missing' is not a parameter of this effect"},
    {"sampler A;\nsampler S = sampler_state {\n Texture = <A>; };", 3,
     "Texture takes a texture, 'A' is a sampler"},
    {"technique T { pass P {\n ZEnable[1] = TRUE; } }", 2, "expected '=' after ZEnable, found '['"},
    {"float4 A : semantic;", 1, "expected register(...) after ':', found 'semantic'"},
    {"float4 A : register(ps, x1);", 1,
     "'x1' is not a register (expected c or s and a number, as in c0)"},
    {"float4 A : register(c0);", 1,
     "name the shader stage of a c register: register(vs, c0) or register(ps, c0)"},
    {"texture T : register(s0);", 1, "only float parameters and samplers are bound to registers"},
    {"float4 A : register(ps, s0);", 1, "a float parameter is bound to c registers"},
    {"sampler S : register(ps, c0);", 1, "a sampler is bound to s registers"},
    {"sampler S : register(vs, s0);", 1, "vertex shaders have no samplers"},
    {"float4x4 M : register(ps, c30);", 1, "c30 to c33 is outside the pixel shader's c0 to c31"},
    {"sampler S : register(s16);", 1, "s16 is outside the pixel shader's s0 to s15"},
    {"float4 A : register(ps, c1);\nfloat4x4 M : register(ps, c0);", 2,
     "register c1 of the pixel shader is already bound to 'A'"},
    {"float4 A : register(ps, c1);\nfloat4x4 M : register(vs, c0);", 2,
     "the effect has no technique"},
    {"technique T { pass P {\n PixelShader = asm {\n   vs_2_0\n   mov oPos, v0\n }; } }", 3,
     "expected a ps_ shader (a pixel shader), the block starts with 'vs_2_0'"},
    {"pixelshader P;", 1, "pixelshader 'P' needs an asm block"},
    {"vertexshader V = asm {\n ps_2_0 };", 2,
     "expected a vs_ shader (a vertex shader), the block starts with 'ps_2_0'"},
    {"vertexshader V = asm { vs_2_0 mov oPos, v0 };\n"
     "technique T { pass P {\n PixelShader = <V>; } }",
     3, "PixelShader takes a pixel shader, 'V' is a vertex shader"},
    {"technique T { pass P {\n PixelShader = asm {\n   ps_2_0\n   mov oC0, c0\n", 2,
     "unterminated asm block"},
    {"technique T { pass P {\n PixelShader = asm {\n   ps_2_0\n\n   mvo oC0, c0\n }; } }", 5,
     "shader assembly: "},
    {"technique T { pass P {\n PixelShader = asm {\n   ps_2_0 /* never closed }\n }; } }", 3,
     "unterminated comment"},
    // What would compile and draw wrong: registers nothing sets, samplers nothing reads.
    {"texture T;\nsampler S = sampler_state { Texture = <T>; };\ntechnique X { pass P { } }", 2,
     "sampler 'S' is bound to no register, so no shader reads it: declare it as sampler S : "
     "register(s0) = sampler_state { ... };"},
    {"float4 Tint = {1, 0, 0, 1};\ntechnique T { pass P {\n PixelShader = asm {\n   ps_2_0\n"
     "   mov oC0, c1\n }; } }",
     5,
     "the pixel shader reads c1, which no parameter is bound to and no def defines: bind one, as "
     "float4 Name : register(ps, c1), or define it, as def c1, 0, 0, 0, 0 (declared without a "
     "register: 'Tint')"},
    {"float4x4 M : register(vs, c0);\ntechnique T { pass P {\n VertexShader = asm {\n   vs_2_0\n"
     "   dcl_position v0\n   mul r0, v0.x, c0\n   mad oPos, v0.y, c4, r0\n }; } }",
     7,
     "the vertex shader reads c4, which no parameter is bound to and no def defines: bind one, as "
     "float4 Name : register(vs, c4), or define it, as def c4, 0, 0, 0, 0"},
    {"texture T;\nsampler S : register(s0) = sampler_state { Texture = <T>; };\n"
     "technique X { pass P {\n PixelShader = asm {\n   ps_2_0\n   dcl t0\n   dcl_2d s1\n"
     "   texld r0, t0, s1\n   mov oC0, r0\n }; } }",
     8,
     "the pixel shader reads s1, which no sampler is bound to: declare one, as sampler Name : "
     "register(s1) = sampler_state { Texture = <Name>; };"},
    {"technique T { pass P {\n VertexShader = asm {\n   vs_2_0\n   dcl_position v0\n"
     "   mov r0, v0\n   rep i0\n     add r0, r0, v0\n   endrep\n   mov oPos, r0\n }; } }",
     6, "the vertex shader reads i0, which no defi defines: define it, as defi i0, 1, 0, 0, 0"},
    {"technique T { pass P {\n VertexShader = asm {\n   vs_2_0\n   dcl_position v0\n"
     "   mov r0, v0\n   if b0\n     add r0, r0, v0\n   endif\n   mov oPos, r0\n }; } }",
     6, "the vertex shader reads b0, which no defb defines: define it, as defb b0, true"},
    {"float4 Tint : register(ps, c1);\ntechnique T { pass P {\n PixelShader = asm {\n   ps_2_0\n"
     "   def c1, 1, 1, 1, 1\n   mov oC0, c1\n }; } }",
     5,
     "def c1 replaces 'Tint', which is bound to c1 of the pixel shader: define the constant in a "
     "register no parameter is bound to"},
    // Standard HLSL, which is not compiled here.
    {"technique T { pass P {\n PixelShader = compile ps_2_0 Main(); } }", 2,
     "'compile' is HLSL: shaders are written in assembly here, as PixelShader = asm { ps_2_0 ... "
     "};"},
    {"sampler S : register(s0);\nfloat4 Main(float2 uv : TEXCOORD0) : COLOR {\n"
     "  return tex2D(S, uv);\n}",
     2,
     "'Main(...)' is an HLSL function: shaders are written in assembly here, as pixelshader Main "
     "= asm { ps_2_0 ... };"},
    {"\nvoid Shade(out float4 color : COLOR) { }", 2,
     "'Shade(...)' is an HLSL function: shaders are written in assembly here, as pixelshader Shade "
     "= asm { ps_2_0 ... };"},
    {"sampler S : register(s0);\ntechnique T { pass P {\n PixelShader = asm {\n   ps_2_0\n"
     "   return tex2D(S, t0);\n }; } }",
     5,
     "'tex2D(...)' is HLSL: shaders are written in assembly here (a sampler is read as texld r0, "
     "t0, s0)"},
};

TEST(FxCompiler, ReportsEachErrorWithItsLine) {
  for (const ErrorCase& error : ErrorCases) {
    try {
      fxc::CompileEffect(error.source);
      ADD_FAILURE() << "accepted: " << error.source;
    } catch (const fxc::FxError& thrown) {
      EXPECT_EQ(error.line, thrown.Line()) << error.source;
      EXPECT_EQ(0u, std::string(thrown.what()).find(error.message))
          << error.source << "\n  gave: " << thrown.what();
    }
  }
}

}  // namespace
