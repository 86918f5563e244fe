// fxc_tool INPUT.fx OUTPUT.fxo: compiles one effect file into an fx_2_0 binary. Errors are
// printed as "INPUT.fx:LINE: error: MESSAGE" and give exit code 1; no output file is written.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/fxc/effect_compiler.h"
#include "tools/fxc/fx_error.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fxc_tool INPUT.fx OUTPUT.fxo\n");
    return 2;
  }
  const char* input = argv[1];
  const char* output = argv[2];

  std::ifstream in(input, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "%s: error: cannot be read\n", input);
    return 1;
  }
  std::ostringstream source;
  source << in.rdbuf();

  std::vector<uint8_t> binary;
  try {
    binary = fxc::CompileEffect(source.str());
  } catch (const fxc::FxError& error) {
    std::fprintf(stderr, "%s:%d: error: %s\n", input, error.Line(), error.what());
    return 1;
  }

  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(binary.data()), static_cast<std::streamsize>(binary.size()));
  if (!out) {
    std::fprintf(stderr, "%s: error: cannot be written\n", output);
    return 1;
  }
  return 0;
}
