// The states an effect may assign in a pass or a sampler_state block: the number each has in
// the effect runtime's state table (the operation stored in the binary), the form of its value
// and the names its value may be given by.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/fxc/effect_model.h"

namespace fxc {

enum class StatePlace { Pass, Sampler };

struct NamedValue {
  const char* name;
  uint32_t value;
};

struct StateDefinition {
  const char* name;
  uint32_t operation;
  StatePlace place;
  AssignmentKind kind;
  const std::vector<NamedValue>* names;  // the names a Bool or Int state accepts
};

// The state of that name (compared without regard to case), or null.
const StateDefinition* FindState(const std::string& name);

// The value of `word` among `names` (compared without regard to case), or false.
bool FindNamedValue(const std::vector<NamedValue>& names, const std::string& word, uint32_t& value);

// "Wrap, Mirror, Clamp, Border or MirrorOnce", for error messages.
std::string ListNames(const std::vector<NamedValue>& names);

}  // namespace fxc
