// Refuses an effect whose shaders would read what nothing sets, which would compile, load and
// validate and still draw wrong: a sampler bound to no register, a register (c, i, b or s) that
// a shader reads but no parameter is bound to and no def, defi or defb of that shader defines,
// and a def that replaces the value of a register a parameter is bound to.
// Throws FxError on the line of the sampler, the read or the def.
#pragma once

#include "tools/fxc/effect_model.h"

namespace fxc {

void CheckRegisterUse(const EffectModel& effect);

}  // namespace fxc
