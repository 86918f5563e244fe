// The words of a shader's assembly text (opcodes, registers, swizzles), each with its source
// line, with comments and numbers left out: what the checks that read shader text look at.
#pragma once

#include <string>
#include <vector>

namespace fxc {

struct AsmWord {
  std::string text;
  int line = 0;
  bool call = false;  // followed by '(', as an HLSL function call is and no instruction is
};

// `firstLine` is the source line of the text's first line.
std::vector<AsmWord> AsmWords(const std::string& assembly, int firstLine);

}  // namespace fxc
