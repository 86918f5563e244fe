#include "tools/fxc/effect_compiler.h"

#include "tools/fxc/constant_table.h"
#include "tools/fxc/fx2_writer.h"
#include "tools/fxc/fx_parser.h"
#include "tools/fxc/register_use.h"
#include "tools/fxc/shader_assembler.h"

namespace fxc {

std::vector<uint8_t> CompileEffect(const std::string& source) {
  EffectModel effect = ParseEffect(source);
  AssembleShaders(effect);
  CheckRegisterUse(effect);
  AttachConstantTables(effect);
  return WriteEffectBinary(effect);
}

}  // namespace fxc
