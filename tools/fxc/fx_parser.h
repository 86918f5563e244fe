// Reads effect source into an EffectModel. What it accepts: parameters of type float, float2,
// float3, float4, float4x4 (bound to shader registers with ": register(vs, c0)" or
// ": register(ps, c0)"), texture, sampler (with a sampler_state block, bound with
// ": register(s0)"), vertexshader and pixelshader (= asm { ... }); annotations of type string
// or float..float4 on parameters, techniques and passes; techniques of named passes, whose
// states are those of effect_states.cpp with shaders given as asm blocks or as <parameter>.
// Anything else is an FxError naming its line; HLSL (compile, functions, tex2D() in an asm block)
// is refused with a message that shaders are written in assembly here.
#pragma once

#include <string>

#include "tools/fxc/effect_model.h"

namespace fxc {

EffectModel ParseEffect(const std::string& source);

}  // namespace fxc
