// Effect source in, fx_2_0 effect binary out: parse, assemble the shaders, check that every
// register they read is set, give them their constant tables, write the binary.
// Throws FxError for anything it does not accept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fxc {

std::vector<uint8_t> CompileEffect(const std::string& source);

}  // namespace fxc
