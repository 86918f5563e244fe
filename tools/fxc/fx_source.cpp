#include "tools/fxc/fx_source.h"

#include <fstream>
#include <sstream>

namespace fxc {
namespace {

constexpr int MaximumIncludeDepth = 16;

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The file name of an `#include "name"` line, or false for any other line.
bool IncludedName(const std::string& line, std::string& name) {
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos || line.compare(start, 8, "#include") != 0) return false;
  size_t open = line.find('"', start + 8);
  size_t close = open == std::string::npos ? open : line.find('"', open + 1);
  if (close == std::string::npos ||
      line.find_first_not_of(" \t\r", close + 1) != std::string::npos) {
    name.clear();  // an #include without a well-formed "name"
    return true;
  }
  name = line.substr(open + 1, close - open - 1);
  return true;
}

}  // namespace

EffectSource EffectSource::Read(const std::string& path) {
  EffectSource source;
  source.Append(path, SourceLocation(), 0);
  return source;
}

void EffectSource::Append(const std::string& path, const SourceLocation& includedFrom, int depth) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (includedFrom.file.empty()) throw SourceError({path, 0}, "cannot be read");
    throw SourceError(includedFrom, "cannot read the included file '" + path + "'");
  }
  std::ostringstream content;
  content << in.rdbuf();
  std::istringstream lines(content.str());
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    SourceLocation here{path, number};
    std::string name;
    if (IncludedName(line, name)) {
      if (name.empty()) throw SourceError(here, "expected #include \"file name\"");
      if (depth + 1 >= MaximumIncludeDepth)
        throw SourceError(here, "includes nest too deeply (do they include each other?)");
      Append(DirectoryOf(path) + name, here, depth + 1);
      continue;
    }
    text_ += line;
    text_ += '\n';
    lines_.push_back(here);
  }
}

SourceLocation EffectSource::Locate(int line) const {
  if (lines_.empty()) return SourceLocation();
  if (line < 1) return lines_.front();
  if (static_cast<size_t>(line) > lines_.size())
    return {lines_.back().file, lines_.back().line + 1};
  return lines_[static_cast<size_t>(line) - 1];
}

}  // namespace fxc
