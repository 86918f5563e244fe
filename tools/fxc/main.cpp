// fxc_tool INPUT.fx OUTPUT.fxo: compiles one effect file (with the files it includes) into an
// fx_2_0 binary. Errors are printed as "FILE:LINE: error: MESSAGE" and give exit code 1; no
// output file is written then.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/file_output/write_bytes.h"
#include "tools/fxc/effect_compiler.h"
#include "tools/fxc/fx_error.h"
#include "tools/fxc/fx_source.h"

namespace {

int Report(const fxc::SourceLocation& location, const char* message) {
  if (location.line > 0)
    std::fprintf(stderr, "%s:%d: error: %s\n", location.file.c_str(), location.line, message);
  else
    std::fprintf(stderr, "%s: error: %s\n", location.file.c_str(), message);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fxc_tool INPUT.fx OUTPUT.fxo\n");
    return 2;
  }
  std::vector<uint8_t> binary;
  try {
    fxc::EffectSource source = fxc::EffectSource::Read(argv[1]);
    try {
      binary = fxc::CompileEffect(source.Text());
    } catch (const fxc::FxError& error) {
      return Report(source.Locate(error.Line()), error.what());
    }
  } catch (const fxc::SourceError& error) {
    return Report(error.Location(), error.what());
  } catch (const std::exception& error) {
    // A fault of the compiler itself, not of the effect: still name the file it stopped on.
    return Report({argv[1], 0}, (std::string("the compiler stopped: ") + error.what()).c_str());
  }

  if (!WriteBytes(argv[2], binary)) {
    std::fprintf(stderr, "%s: error: cannot be written\n", argv[2]);
    return 1;
  }
  return 0;
}
