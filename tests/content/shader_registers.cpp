#include "tests/content/shader_registers.h"

#include <d3d9.h>
#include <d3dx9shader.h>

namespace pack_testing {
namespace {

// The name of a register token's register when it is one that something must set
// (c, i, b or s), else empty.
std::string SetRegisterName(DWORD token) {
  const DWORD type = ((token & D3DSP_REGTYPE_MASK) >> D3DSP_REGTYPE_SHIFT) |
                     ((token & D3DSP_REGTYPE_MASK2) >> D3DSP_REGTYPE_SHIFT2);
  const std::string number = std::to_string(token & D3DSP_REGNUM_MASK);
  switch (type) {
    case D3DSPR_CONST:
      return "c" + number;
    case D3DSPR_CONSTINT:
      return "i" + number;
    case D3DSPR_CONSTBOOL:
      return "b" + number;
    case D3DSPR_SAMPLER:
      return "s" + number;
  }
  return "";
}

void AddBound(const DWORD* function, std::set<std::string>& bound) {
  ID3DXConstantTable* table = nullptr;
  if (FAILED(D3DXGetShaderConstantTable(function, &table)) || !table) return;
  D3DXCONSTANTTABLE_DESC desc;
  table->GetDesc(&desc);
  for (UINT i = 0; i < desc.Constants; ++i) {
    D3DXCONSTANT_DESC constant;
    UINT count = 1;
    table->GetConstantDesc(table->GetConstant(nullptr, i), &constant, &count);
    const char* set = constant.RegisterSet == D3DXRS_SAMPLER ? "s"
                      : constant.RegisterSet == D3DXRS_INT4  ? "i"
                      : constant.RegisterSet == D3DXRS_BOOL  ? "b"
                                                             : "c";
    for (UINT r = 0; r < constant.RegisterCount; ++r)
      bound.insert(set + std::to_string(constant.RegisterIndex + r));
  }
  table->Release();
}

}  // namespace

ShaderRegisters ReadShaderRegisters(const DWORD* function) {
  ShaderRegisters registers;
  AddBound(function, registers.bound);
  for (const DWORD* token = function + 1; (*token & D3DSI_OPCODE_MASK) != D3DSIO_END;) {
    const DWORD opcode = *token & D3DSI_OPCODE_MASK;
    if (opcode == D3DSIO_COMMENT) {
      token += 1 + ((*token & D3DSI_COMMENTSIZE_MASK) >> D3DSI_COMMENTSIZE_SHIFT);
      continue;
    }
    const DWORD length = (*token & D3DSI_INSTLENGTH_MASK) >> D3DSI_INSTLENGTH_SHIFT;
    const DWORD* operand = token + 1;
    if (opcode == D3DSIO_DEF || opcode == D3DSIO_DEFI || opcode == D3DSIO_DEFB) {
      registers.defined.insert(SetRegisterName(operand[0]));  // the rest are values
    } else if (opcode != D3DSIO_DCL) {  // a dcl declares: a usage token, then the register
      // No c, i, b or s register is ever written, so each one named is read.
      for (DWORD i = 0; i < length; ++i) {
        std::string name = SetRegisterName(operand[i]);
        if (!name.empty()) registers.read.insert(name);
      }
    }
    token += 1 + length;
  }
  return registers;
}

}  // namespace pack_testing
