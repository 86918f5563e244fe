// Stores an EffectModel, its shaders assembled, as an fx_2_0 effect binary: the form that
// D3DXCreateEffect reads. Layout: the tag 0xFEFF0901 and the size of the data area; the data
// area (names, type descriptions and values, which everything else refers to by offset); then
// the counts, the parameters, the techniques with their passes and states, the objects that
// carry bytes (string annotations) and the resources: each shader's bytecode and the name of
// each parameter a state refers to, addressed by technique, pass and state index (or by
// parameter and sampler-state index).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/fxc/effect_model.h"

namespace fxc {

std::vector<uint8_t> WriteEffectBinary(const EffectModel& effect);

}  // namespace fxc
