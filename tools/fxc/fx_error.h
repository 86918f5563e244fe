// A compile error: the source line it concerns and what is wrong there.
#pragma once

#include <stdexcept>
#include <string>

namespace fxc {

class FxError : public std::runtime_error {
public:
  FxError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}

  int Line() const { return line_; }

private:
  int line_;
};

}  // namespace fxc
