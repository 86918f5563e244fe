// Assembles the asm blocks of an effect with D3DXAssembleShader. An assembly error becomes an
// FxError on the source line the assembler names, counted from the start of its block.
#pragma once

#include "tools/fxc/effect_model.h"

namespace fxc {

void AssembleShaders(EffectModel& effect);

}  // namespace fxc
