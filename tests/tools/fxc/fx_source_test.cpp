#include "tools/fxc/fx_source.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "tools/fxc/effect_compiler.h"
#include "tools/fxc/fx_error.h"

namespace {

// A folder of its own under the temporary folder, with the files a test writes into it.
class SourceFiles : public ::testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "fx_source_test_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "parts").c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::string& file : written_) DeleteFileA(file.c_str());
    RemoveDirectoryA((folder_ + "parts").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string Write(const std::string& name, const std::string& text) {
    std::string path = folder_ + name;
    std::ofstream(path, std::ios::binary) << text;
    written_.push_back(path);
    return path;
  }

  std::string folder_;
  std::vector<std::string> written_;
};

TEST_F(SourceFiles, IncludesFilesRelativeToTheIncludingFileAndLocatesEveryLine) {
  std::string inner = Write("parts\\inner.fxh", "float Inner;\n");
  std::string header = Write("parts\\common.fxh", "float A;\n#include \"inner.fxh\"\nfloat B;\n");
  std::string effect =
      Write("effect.fx", "// effect\n  #include \"parts\\common.fxh\"\nfloat C;\n");

  fxc::EffectSource source = fxc::EffectSource::Read(effect);
  EXPECT_EQ("// effect\nfloat A;\nfloat Inner;\nfloat B;\nfloat C;\n", source.Text());
  struct Expected {
    int line;
    std::string file;
    int fileLine;
  };
  const Expected expected[] = {
      {1, effect, 1}, {2, header, 1}, {3, inner, 1}, {4, header, 3}, {5, effect, 3},
  };
  for (const Expected& line : expected) {
    fxc::SourceLocation location = source.Locate(line.line);
    EXPECT_EQ(line.file, location.file) << line.line;
    EXPECT_EQ(line.fileLine, location.line) << line.line;
  }
}

TEST_F(SourceFiles, ACompileErrorInAnIncludedFileIsLocatedThere) {
  std::string header = Write("broken.fxh", "float A;\nfloat2 B = {1};\n");
  std::string effect = Write("effect.fx", "#include \"broken.fxh\"\ntechnique T { pass P { } }\n");
  fxc::EffectSource source = fxc::EffectSource::Read(effect);
  try {
    fxc::CompileEffect(source.Text());
    ADD_FAILURE() << "accepted";
  } catch (const fxc::FxError& error) {
    EXPECT_EQ(header, source.Locate(error.Line()).file);
    EXPECT_EQ(2, source.Locate(error.Line()).line);
  }
}

TEST_F(SourceFiles, IncludesThatCannotBeFollowedAreErrorsOnTheirLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"float A;\n#include \"missing.fxh\"\n", "cannot read the included file '"},
      {"float A;\n#include missing.fxh\n", "expected #include \"file name\""},
      {"float A;\n#include \"effect.fx\"\n", "includes nest too deeply"},
  };
  for (const Case& include : cases) {
    std::string effect = Write("effect.fx", include.text);
    try {
      fxc::EffectSource::Read(effect);
      ADD_FAILURE() << include.text;
    } catch (const fxc::SourceError& error) {
      EXPECT_EQ(0u, std::string(error.what()).find(include.message)) << error.what();
      EXPECT_EQ(2, error.Location().line) << include.text;
    }
  }
  EXPECT_THROW(fxc::EffectSource::Read(folder_ + "absent.fx"), fxc::SourceError);
}

}  // namespace
