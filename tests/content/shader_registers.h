// The registers a compiled shader reads and those that are set for it: defined by its def,
// defi and defb instructions, or bound to a parameter by its constant table (which the effect
// runtime keeps set). Read from the shader's bytecode, as the device and the runtime read it.
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace pack_testing {

struct ShaderRegisters {
  std::set<std::string> read;  // "c4", "s1", "i0", "b0"
  std::set<std::string> defined;
  std::set<std::string> bound;
};

// Shader model 2 and later bytecode (whose instructions carry their length).
ShaderRegisters ReadShaderRegisters(const DWORD* function);

}  // namespace pack_testing
