// An effect as the parser reads it and the binary writer stores it: parameters (with their
// annotations and sampler states) and techniques made of passes of state assignments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fxc {

enum class ValueKind { Float, Texture, Sampler, String, VertexShader, PixelShader };

// A shader written as an asm block, and its bytecode once assembled.
struct ShaderCode {
  std::string assembly;
  int line = 0;                   // source line of the block's first text line
  std::vector<uint8_t> bytecode;  // filled in after parsing
};

// How a state assignment gets its value.
enum class AssignmentKind {
  Bool,              // TRUE or FALSE
  Int,               // a named constant (blend modes, cull modes, address modes, filters)
  TextureReference,  // Texture = <texture parameter> inside sampler_state
  VertexShader,      // VertexShader = asm { vs_... } or <vertexshader parameter>
  PixelShader,       // PixelShader = asm { ps_... } or <pixelshader parameter>
};

struct StateAssignment {
  AssignmentKind kind = AssignmentKind::Int;
  uint32_t operation = 0;  // the state's number in the effect runtime's state table
  uint32_t value = 0;      // Bool and Int
  std::string reference;   // the parameter named by a reference, or a shader's parameter
  ShaderCode shader;       // a shader given as an asm block in the pass
  int line = 0;
};

enum class ShaderStage { Vertex, Pixel };

// ": register(vs, c4)": the parameter feeds registers of one shader stage. Every shader of that
// stage gets a constant table naming the parameter, so the runtime keeps the registers set.
struct RegisterBinding {
  ShaderStage stage = ShaderStage::Pixel;
  bool sampler = false;  // s registers; otherwise c (float4) registers
  uint32_t index = 0;
  uint32_t count = 1;  // a float4x4 takes four c registers
};

struct Annotation {
  std::string name;
  ValueKind kind = ValueKind::Float;  // Float or String
  int columns = 1;  // float is 1, float3 is 3
  std::vector<float> floats;
  std::string text;
};

struct Parameter {
  std::string name;
  ValueKind kind = ValueKind::Float;
  int rows = 1;     // float is 1 x 1, float3 is 1 x 3, float4x4 is 4 x 4
  int columns = 1;
  std::vector<float> initialValue;  // rows x columns floats (zeros when not given)
  std::vector<RegisterBinding> registers;
  std::vector<StateAssignment> samplerStates;  // the sampler_state block of a sampler
  ShaderCode shader;                           // the asm block of a shader parameter
  std::vector<Annotation> annotations;
  int line = 0;
};

struct Pass {
  std::string name;
  std::vector<Annotation> annotations;
  std::vector<StateAssignment> states;
  int line = 0;
};

struct Technique {
  std::string name;
  std::vector<Annotation> annotations;
  std::vector<Pass> passes;
  int line = 0;
};

struct EffectModel {
  std::vector<Parameter> parameters;
  std::vector<Technique> techniques;

  const Parameter* FindParameter(const std::string& name) const {
    for (const Parameter& parameter : parameters)
      if (parameter.name == name) return &parameter;
    return nullptr;
  }
};

// Calls `visit` with every asm block of the effect: shader parameters, then pass states.
template <class Effect, class Visit>
void ForEachShader(Effect& effect, Visit visit) {
  for (auto& parameter : effect.parameters)
    if (!parameter.shader.assembly.empty()) visit(parameter.shader);
  for (auto& technique : effect.techniques)
    for (auto& pass : technique.passes)
      for (auto& state : pass.states)
        if (!state.shader.assembly.empty()) visit(state.shader);
}

}  // namespace fxc
