#include "tools/fxc/fx_parser.h"

#include <algorithm>
#include <cstdlib>

#include "tools/fxc/asm_words.h"
#include "tools/fxc/effect_states.h"
#include "tools/fxc/fx_error.h"
#include "tools/fxc/fx_tokenizer.h"

namespace fxc {
namespace {

struct TypeName {
  const char* name;
  ValueKind kind;
  int rows;
  int columns;
};

const TypeName ParameterTypes[] = {
    {"float", ValueKind::Float, 1, 1},
    {"float2", ValueKind::Float, 1, 2},
    {"float3", ValueKind::Float, 1, 3},
    {"float4", ValueKind::Float, 1, 4},
    {"float4x4", ValueKind::Float, 4, 4},
    {"texture", ValueKind::Texture, 1, 1},
    {"sampler", ValueKind::Sampler, 1, 1},
    {"vertexshader", ValueKind::VertexShader, 1, 1},
    {"pixelshader", ValueKind::PixelShader, 1, 1},
};

const TypeName AnnotationTypes[] = {
    {"string", ValueKind::String, 1, 1}, {"float", ValueKind::Float, 1, 1},
    {"float2", ValueKind::Float, 1, 2},  {"float3", ValueKind::Float, 1, 3},
    {"float4", ValueKind::Float, 1, 4},
};

template <size_t N>
const TypeName* FindType(const TypeName (&types)[N], const Token& token) {
  if (token.kind != TokenKind::Identifier) return nullptr;
  for (const TypeName& type : types)
    if (token.text == type.name) return &type;
  return nullptr;
}

const char* KindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::Float:
      return "a float parameter";
    case ValueKind::Texture:
      return "a texture";
    case ValueKind::Sampler:
      return "a sampler";
    case ValueKind::String:
      return "a string";
    case ValueKind::VertexShader:
      return "a vertex shader";
    case ValueKind::PixelShader:
      return "a pixel shader";
  }
  return "";
}

class Parser {
public:
  explicit Parser(const std::string& source) : tokens_(source) { Advance(); }

  EffectModel Parse() {
    while (current_.kind != TokenKind::End) {
      if (current_.IsWord("technique"))
        ParseTechnique();
      else if (const TypeName* type = FindType(ParameterTypes, current_))
        ParseParameter(*type);
      else if (StartsFunction())
        FailOnFunction(NextToken().text);
      else
        Fail("expected a parameter or a technique, found " + Describe(current_));
    }
    if (model_.techniques.empty()) throw FxError(current_.line, "the effect has no technique");
    return std::move(model_);
  }

private:
  [[noreturn]] void Fail(const std::string& message) { throw FxError(current_.line, message); }

  void Advance() { current_ = tokens_.Next(); }

  // The token after the current one, read ahead without moving on.
  Token NextToken() const {
    FxTokenizer ahead = tokens_;
    return ahead.Next();
  }

  // "float4 Main(" or "void Main(": the current token and the next two start an HLSL function.
  bool StartsFunction() const {
    FxTokenizer ahead = tokens_;
    return current_.kind == TokenKind::Identifier && ahead.Next().kind == TokenKind::Identifier &&
           ahead.Next().Is("(");
  }

  [[noreturn]] void FailOnFunction(const std::string& name) {
    Fail("'" + name + "(...)' is an HLSL function: shaders are written in assembly here, as " +
         "pixelshader " + name + " = asm { ps_2_0 ... };");
  }

  void Expect(const char* punctuation, const std::string& context) {
    if (!current_.Is(punctuation))
      Fail(std::string("expected '") + punctuation + "' " + context + ", found " +
           Describe(current_));
    Advance();
  }

  std::string ExpectIdentifier(const std::string& what) {
    if (current_.kind != TokenKind::Identifier)
      Fail("expected " + what + ", found " + Describe(current_));
    std::string name = current_.text;
    Advance();
    return name;
  }

  float ParseNumber() {
    bool negative = current_.Is("-");
    if (negative) Advance();
    if (current_.kind != TokenKind::Number) Fail("expected a number, found " + Describe(current_));
    float value = std::strtof(current_.text.c_str(), nullptr);
    Advance();
    return negative ? -value : value;
  }

  // A single number or a braced list of them; `count` values are required.
  std::vector<float> ParseFloats(size_t count, const std::string& what) {
    std::vector<float> values;
    if (current_.Is("{")) {
      Advance();
      values.push_back(ParseNumber());
      while (current_.Is(",")) {
        Advance();
        values.push_back(ParseNumber());
      }
      Expect("}", "after the initial values of " + what);
    } else {
      values.push_back(ParseNumber());
    }
    if (values.size() != count)
      Fail(what + " needs " + std::to_string(count) + " initial value" + (count > 1 ? "s" : "") +
           ", got " + std::to_string(values.size()));
    return values;
  }

  std::vector<Annotation> ParseAnnotations() {
    std::vector<Annotation> annotations;
    if (!current_.Is("<")) return annotations;
    Advance();
    while (!current_.Is(">")) {
      const TypeName* type = FindType(AnnotationTypes, current_);
      if (!type) Fail("an annotation is a string or a float..float4, not " + Describe(current_));
      Advance();
      Annotation annotation;
      annotation.name = ExpectIdentifier("an annotation name");
      annotation.kind = type->kind;
      annotation.columns = type->columns;
      Expect("=", "after the annotation '" + annotation.name + "'");
      if (type->kind == ValueKind::String) {
        if (current_.kind != TokenKind::String)
          Fail("expected a string, found " + Describe(current_));
        annotation.text = current_.text;
        Advance();
      } else {
        annotation.floats = ParseFloats(type->columns, "the annotation '" + annotation.name + "'");
      }
      Expect(";", "after the annotation '" + annotation.name + "'");
      annotations.push_back(std::move(annotation));
    }
    Advance();
    return annotations;
  }

  void ParseParameter(const TypeName& type) {
    Parameter parameter;
    parameter.line = current_.line;
    parameter.kind = type.kind;
    parameter.rows = type.rows;
    parameter.columns = type.columns;
    Advance();
    parameter.name = ExpectIdentifier("a parameter name");
    if (current_.Is("(")) FailOnFunction(parameter.name);
    if (const Parameter* earlier = model_.FindParameter(parameter.name))
      throw FxError(parameter.line, "parameter '" + parameter.name +
                                        "' is already declared on line " +
                                        std::to_string(earlier->line));
    while (current_.Is(":")) parameter.registers.push_back(ParseRegister(parameter));
    parameter.annotations = ParseAnnotations();
    parameter.initialValue.assign(static_cast<size_t>(type.rows * type.columns), 0.0f);
    if (current_.Is("=")) {
      Advance();
      std::string what = std::string(type.name) + " '" + parameter.name + "'";
      if (type.kind == ValueKind::Float) {
        parameter.initialValue = ParseFloats(parameter.initialValue.size(), what);
      } else if (type.kind == ValueKind::Sampler) {
        if (!current_.IsWord("sampler_state"))
          Fail("expected sampler_state, found " + Describe(current_));
        Advance();
        Expect("{", "after sampler_state");
        while (!current_.Is("}"))
          parameter.samplerStates.push_back(ParseAssignment(StatePlace::Sampler));
        Advance();
      } else if (type.kind == ValueKind::Texture) {
        Fail("a texture takes no initial value");
      } else {
        parameter.shader = ParseShaderBlock(type.kind);
      }
    } else if (type.kind == ValueKind::VertexShader || type.kind == ValueKind::PixelShader) {
      Fail(std::string(type.name) + " '" + parameter.name + "' needs an asm block");
    }
    if (type.kind != ValueKind::Float) parameter.initialValue.clear();
    Expect(";", "after the declaration of '" + parameter.name + "'");
    model_.parameters.push_back(std::move(parameter));
  }

  // ": register(ps, c0)", ": register(vs, c4)" or ": register(s0)" (a pixel shader sampler).
  RegisterBinding ParseRegister(const Parameter& parameter) {
    Advance();
    int line = current_.line;
    if (!current_.IsWord("register"))
      Fail("expected register(...) after ':', found " + Describe(current_));
    Advance();
    Expect("(", "after register");
    RegisterBinding binding;
    bool stageNamed = current_.IsWord("vs") || current_.IsWord("ps");
    if (stageNamed) {
      binding.stage = current_.IsWord("vs") ? ShaderStage::Vertex : ShaderStage::Pixel;
      Advance();
      Expect(",", "after the shader stage");
    }
    std::string name = ExpectIdentifier("a register such as c0");
    if ((name[0] != 'c' && name[0] != 's') || name.size() < 2 ||
        name.find_first_not_of("0123456789", 1) != std::string::npos)
      throw FxError(line,
                    "'" + name + "' is not a register (expected c or s and a number, as in c0)");
    binding.sampler = name[0] == 's';
    binding.index = static_cast<uint32_t>(std::strtoul(name.c_str() + 1, nullptr, 10));
    Expect(")", "after the register");

    if (parameter.kind != ValueKind::Float && parameter.kind != ValueKind::Sampler)
      throw FxError(line, "only float parameters and samplers are bound to registers");
    if (binding.sampler != (parameter.kind == ValueKind::Sampler))
      throw FxError(line, binding.sampler ? "a float parameter is bound to c registers"
                                          : "a sampler is bound to s registers");
    if (binding.sampler && binding.stage == ShaderStage::Vertex)
      throw FxError(line, "vertex shaders have no samplers");
    if (!binding.sampler && !stageNamed)
      throw FxError(line, "name the shader stage of a c register: register(vs, " + name +
                              ") or register(ps, " + name + ")");
    binding.count = binding.sampler ? 1 : static_cast<uint32_t>(parameter.rows);
    CheckRegisterRange(binding, line);
    return binding;
  }

  void CheckRegisterRange(const RegisterBinding& binding, int line) const {
    const char set = binding.sampler ? 's' : 'c';
    const uint32_t limit = binding.sampler ? 16 : binding.stage == ShaderStage::Vertex ? 256 : 32;
    const char* stage = binding.stage == ShaderStage::Vertex ? "vertex" : "pixel";
    auto name = [set](uint32_t index) { return set + std::to_string(index); };
    if (binding.index + binding.count > limit)
      throw FxError(
          line, name(binding.index) +
                    (binding.count > 1 ? " to " + name(binding.index + binding.count - 1) : "") +
                    " is outside the " + stage + " shader's " + name(0) + " to " + name(limit - 1));
    for (const Parameter& other : model_.parameters)
      for (const RegisterBinding& taken : other.registers)
        if (taken.stage == binding.stage && taken.sampler == binding.sampler &&
            taken.index < binding.index + binding.count &&
            binding.index < taken.index + taken.count)
          throw FxError(line, "register " + name(std::max(taken.index, binding.index)) +
                                  " of the " + stage + " shader is already bound to '" +
                                  other.name + "'");
  }

  void ParseTechnique() {
    Technique technique;
    technique.line = current_.line;
    Advance();
    technique.name = ExpectIdentifier("a technique name");
    for (const Technique& earlier : model_.techniques)
      if (earlier.name == technique.name)
        throw FxError(technique.line, "technique '" + technique.name +
                                          "' is already declared on line " +
                                          std::to_string(earlier.line));
    technique.annotations = ParseAnnotations();
    Expect("{", "after the technique name");
    while (current_.IsWord("pass")) technique.passes.push_back(ParsePass());
    if (!current_.Is("}")) Fail("expected 'pass' or '}', found " + Describe(current_));
    if (technique.passes.empty()) Fail("technique '" + technique.name + "' has no pass");
    Advance();
    model_.techniques.push_back(std::move(technique));
  }

  Pass ParsePass() {
    Pass pass;
    pass.line = current_.line;
    Advance();
    pass.name = ExpectIdentifier("a pass name");
    pass.annotations = ParseAnnotations();
    Expect("{", "after the pass name");
    while (!current_.Is("}")) {
      if (current_.kind == TokenKind::End) Fail("pass '" + pass.name + "' is not closed");
      pass.states.push_back(ParseAssignment(StatePlace::Pass));
    }
    Advance();
    return pass;
  }

  StateAssignment ParseAssignment(StatePlace place) {
    StateAssignment assignment;
    assignment.line = current_.line;
    std::string name =
        ExpectIdentifier(place == StatePlace::Pass ? "a state or '}'" : "a sampler state or '}'");
    const StateDefinition* state = FindState(name);
    if (!state) throw FxError(assignment.line, "unknown state '" + name + "'");
    if (state->place != place)
      throw FxError(assignment.line,
                    state->place == StatePlace::Sampler
                        ? "'" + name + "' is a sampler state: set it in a sampler_state block"
                        : "'" + name + "' is not a sampler state");
    assignment.kind = state->kind;
    assignment.operation = state->operation;
    Expect("=", "after " + name);

    switch (state->kind) {
      case AssignmentKind::Bool:
      case AssignmentKind::Int: {
        std::string word = ExpectIdentifier("a value for " + name);
        if (!FindNamedValue(*state->names, word, assignment.value))
          throw FxError(assignment.line, "'" + word + "' is not a value of " + name +
                                             " (expected " + ListNames(*state->names) + ")");
        break;
      }
      case AssignmentKind::TextureReference:
        ParseReference(*state, ValueKind::Texture, assignment);
        break;
      case AssignmentKind::VertexShader:
      case AssignmentKind::PixelShader: {
        ValueKind kind = state->kind == AssignmentKind::VertexShader ? ValueKind::VertexShader
                                                                     : ValueKind::PixelShader;
        if (current_.IsWord("compile"))
          Fail("'compile' is HLSL: shaders are written in assembly here, as " + name +
               " = asm { " + (kind == ValueKind::VertexShader ? "vs" : "ps") + "_2_0 ... };");
        if (current_.IsWord("asm"))
          assignment.shader = ParseShaderBlock(kind);
        else
          ParseReference(*state, kind, assignment);
        break;
      }
    }
    Expect(";", "after the value of " + name);
    return assignment;
  }

  // <name> or (name): a parameter declared earlier, of the kind the state takes.
  void ParseReference(const StateDefinition& state, ValueKind kind, StateAssignment& assignment) {
    const char* closing = current_.Is("<") ? ">" : current_.Is("(") ? ")" : nullptr;
    if (!closing)
      Fail(std::string(state.name) + " takes a parameter as <name>, found " + Describe(current_));
    Advance();
    assignment.reference = ExpectIdentifier("a parameter name");
    const Parameter* parameter = model_.FindParameter(assignment.reference);
    if (!parameter)
      throw FxError(assignment.line,
                    "'" + assignment.reference + "' is not a parameter of this effect");
    if (parameter->kind != kind)
      throw FxError(assignment.line, std::string(state.name) + " takes " + KindName(kind) + ", '" +
                                         parameter->name + "' is " + KindName(parameter->kind));
    Expect(closing, "after the parameter name");
  }

  // asm { ... }: the text is kept for the assembler, which reads the shader model from it.
  ShaderCode ParseShaderBlock(ValueKind kind) {
    if (!current_.IsWord("asm")) Fail("expected an asm block, found " + Describe(current_));
    Advance();
    if (!current_.Is("{")) Fail("expected '{' after asm, found " + Describe(current_));
    RawBlock block = tokens_.ReadUntilClosingBrace(current_.line);
    RefuseHlsl(block);
    CheckShaderModel(kind, block);
    Advance();
    ShaderCode shader;
    shader.assembly = block.text;
    shader.line = block.line;
    return shader;
  }

  // tex2D(s, uv) and the like: HLSL written where assembly belongs.
  static void RefuseHlsl(const RawBlock& block) {
    for (const AsmWord& word : AsmWords(block.text, block.line))
      if (word.call)
        throw FxError(word.line, "'" + word.text +
                                     "(...)' is HLSL: shaders are written in assembly here (a "
                                     "sampler is read as texld r0, t0, s0)");
  }

  static void CheckShaderModel(ValueKind kind, const RawBlock& block) {
    const char* prefix = kind == ValueKind::VertexShader ? "vs_" : "ps_";
    size_t start = block.text.find_first_not_of(" \t\r\n");
    std::string first =
        start == std::string::npos
            ? ""
            : block.text.substr(start, block.text.find_first_of(" \t\r\n", start) - start);
    if (first.compare(0, 3, prefix) == 0) return;
    int line = block.line;
    for (size_t i = 0; i < start && i < block.text.size(); ++i)
      if (block.text[i] == '\n') ++line;
    throw FxError(line, std::string("expected a ") + prefix + " shader (" + KindName(kind) +
                            "), the block starts with '" + first + "'");
  }

  FxTokenizer tokens_;
  Token current_;
  EffectModel model_;
};

}  // namespace

EffectModel ParseEffect(const std::string& source) {
  return Parser(source).Parse();
}

}  // namespace fxc
