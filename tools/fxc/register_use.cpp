#include "tools/fxc/register_use.h"

#include <cctype>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include "tools/fxc/asm_words.h"
#include "tools/fxc/fx_error.h"

namespace fxc {
namespace {

// A register as a shader names it: c5 is {'c', 5}; a source modifier (c5_bx2) is left off.
struct Register {
  char set = 0;  // 'c', 'i', 'b' or 's'
  uint32_t index = 0;

  std::string Name() const { return set + std::to_string(index); }
  bool operator<(const Register& other) const {
    return std::make_pair(set, index) < std::make_pair(other.set, other.index);
  }
};

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool ReadRegister(const std::string& word, Register& reg) {
  const std::string text = Lowercase(word);
  const size_t digits = text.find_first_not_of("0123456789", 1);
  if (text.size() < 2 || std::string("cibs").find(text[0]) == std::string::npos || digits == 1 ||
      (digits != std::string::npos && text[digits] != '_'))
    return false;
  reg.set = text[0];
  reg.index = static_cast<uint32_t>(std::strtoul(text.c_str() + 1, nullptr, 10));
  return true;
}

bool IsDefinition(const std::string& opcode) {
  return opcode == "def" || opcode == "defi" || opcode == "defb";
}

// The parameter bound to `reg` in shaders of `stage`, or null. Only c and s registers are bound.
const Parameter* BoundTo(const EffectModel& effect, ShaderStage stage, const Register& reg) {
  if (reg.set != 'c' && reg.set != 's') return nullptr;
  for (const Parameter& parameter : effect.parameters)
    for (const RegisterBinding& binding : parameter.registers)
      if (binding.stage == stage && binding.sampler == (reg.set == 's') &&
          binding.index <= reg.index && reg.index < binding.index + binding.count)
        return &parameter;
  return nullptr;
}

std::string ParametersWithoutRegister(const EffectModel& effect) {
  std::string names;
  for (const Parameter& parameter : effect.parameters)
    if (parameter.kind == ValueKind::Float && parameter.registers.empty())
      names += (names.empty() ? "'" : ", '") + parameter.name + "'";
  return names;
}

std::string UnsetReadMessage(const EffectModel& effect, const std::string& shaderName,
                             const char* stage, const Register& reg) {
  const std::string name = reg.Name();
  const std::string reads = "the " + shaderName + " reads " + name + ", which ";
  switch (reg.set) {
    case 's':
      return reads + "no sampler is bound to: declare one, as sampler Name : register(" + name +
             ") = sampler_state { Texture = <Name>; };";
    case 'i':
      return reads + "no defi defines: define it, as defi " + name + ", 1, 0, 0, 0";
    case 'b':
      return reads + "no defb defines: define it, as defb " + name + ", true";
  }
  std::string message = reads + "no parameter is bound to and no def defines: bind one, as float4 " +
                        "Name : register(" + stage + ", " + name + "), or define it, as def " +
                        name + ", 0, 0, 0, 0";
  const std::string unbound = ParametersWithoutRegister(effect);
  if (!unbound.empty()) message += " (declared without a register: " + unbound + ")";
  return message;
}

void CheckShader(const EffectModel& effect, const ShaderCode& shader) {
  const std::vector<AsmWord> words = AsmWords(shader.assembly, shader.line);
  const bool vertex = !words.empty() && words[0].text.compare(0, 3, "vs_") == 0;
  const ShaderStage stage = vertex ? ShaderStage::Vertex : ShaderStage::Pixel;
  const std::string shaderName = vertex ? "vertex shader" : "pixel shader";
  const char* stageToken = vertex ? "vs" : "ps";

  std::set<Register> defined;
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    Register reg;
    if (!IsDefinition(Lowercase(words[i].text)) || !ReadRegister(words[i + 1].text, reg)) continue;
    if (const Parameter* bound = BoundTo(effect, stage, reg))
      throw FxError(words[i + 1].line,
                    "def " + reg.Name() + " replaces '" + bound->name + "', which is bound to " +
                        reg.Name() + " of the " + shaderName +
                        ": define the constant in a register no parameter is bound to");
    defined.insert(reg);
  }

  for (size_t i = 0; i < words.size(); ++i) {
    const std::string opcode = Lowercase(words[i].text);
    if (IsDefinition(opcode) || opcode.compare(0, 3, "dcl") == 0) {
      ++i;  // the register it defines or declares is not a read
      continue;
    }
    Register reg;
    if (ReadRegister(words[i].text, reg) && !defined.count(reg) && !BoundTo(effect, stage, reg))
      throw FxError(words[i].line, UnsetReadMessage(effect, shaderName, stageToken, reg));
  }
}

}  // namespace

void CheckRegisterUse(const EffectModel& effect) {
  for (const Parameter& parameter : effect.parameters)
    if (parameter.kind == ValueKind::Sampler && parameter.registers.empty())
      throw FxError(parameter.line, "sampler '" + parameter.name +
                                        "' is bound to no register, so no shader reads it: "
                                        "declare it as sampler " +
                                        parameter.name + " : register(s0) = sampler_state { ... };");
  ForEachShader(effect, [&effect](const ShaderCode& shader) { CheckShader(effect, shader); });
}

}  // namespace fxc
