// Gives every assembled shader a constant table, the 'CTAB' comment that compiled HLSL shaders
// carry: the name, register range and type of each parameter bound to a register of the
// shader's stage. The effect runtime reads it to keep those registers set from the parameters,
// and to apply a bound sampler's states (and texture) to its sampler register.
#pragma once

#include "tools/fxc/effect_model.h"

namespace fxc {

void AttachConstantTables(EffectModel& effect);

}  // namespace fxc
