// Reads an effect file with the files its `#include "name"` lines name (relative to the file
// that includes them) into one text, and maps a line of that text back to its file and line,
// so that errors name the file the mistake is in.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace fxc {

struct SourceLocation {
  std::string file;
  int line = 0;
};

// A file that cannot be read, or an include that cannot be followed.
class SourceError : public std::runtime_error {
public:
  SourceError(SourceLocation location, const std::string& message)
      : std::runtime_error(message), location_(std::move(location)) {}

  const SourceLocation& Location() const { return location_; }

private:
  SourceLocation location_;
};

class EffectSource {
public:
  // Throws SourceError.
  static EffectSource Read(const std::string& path);

  const std::string& Text() const { return text_; }
  // Where line `line` (1-based) of Text() comes from.
  SourceLocation Locate(int line) const;

private:
  void Append(const std::string& path, const SourceLocation& includedFrom, int depth);

  std::string text_;
  std::vector<SourceLocation> lines_;
};

}  // namespace fxc
