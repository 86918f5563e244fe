#include "tools/fxc/shader_assembler.h"

#include <d3dx9shader.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "tools/fxc/fx_error.h"

namespace fxc {
namespace {

// The assembler reports "Line N: message"; returns the source line and the message of the
// first such report, or the block's own line and the whole text when there is none.
FxError ShaderError(const ShaderCode& shader, const std::string& report) {
  size_t at = report.find("Line ");
  if (at != std::string::npos) {
    char* end = nullptr;
    long line = std::strtol(report.c_str() + at + 5, &end, 10);
    if (line > 0 && *end == ':') {
      std::string message = end + 1;
      message = message.substr(0, message.find('\n'));
      message.erase(0, message.find_first_not_of(' '));  // all of it when it is only spaces
      return FxError(shader.line + static_cast<int>(line) - 1, "shader assembly: " + message);
    }
  }
  return FxError(shader.line, "shader assembly failed: " + report);
}

void Assemble(ShaderCode& shader) {
  ID3DXBuffer* code = nullptr;
  ID3DXBuffer* errors = nullptr;
  HRESULT hr =
      D3DXAssembleShader(shader.assembly.c_str(), static_cast<UINT>(shader.assembly.size()),
                         nullptr, nullptr, 0, &code, &errors);
  std::string report = errors ? static_cast<const char*>(errors->GetBufferPointer()) : "";
  if (SUCCEEDED(hr) && code) {
    const uint8_t* bytes = static_cast<const uint8_t*>(code->GetBufferPointer());
    shader.bytecode.assign(bytes, bytes + code->GetBufferSize());
  }
  if (code) code->Release();
  if (errors) errors->Release();
  if (shader.bytecode.empty()) throw ShaderError(shader, report);
}

}  // namespace

void AssembleShaders(EffectModel& effect) {
  ForEachShader(effect, Assemble);
}

}  // namespace fxc
