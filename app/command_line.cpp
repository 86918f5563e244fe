#include "app/command_line.h"

#include <cwctype>

namespace {

const wchar_t* SkipProgramName(const wchar_t* text) {
  if (*text == L'"') {
    ++text;
    while (*text && *text != L'"') ++text;
    return *text ? text + 1 : text;
  }
  while (*text && *text != L' ') ++text;
  return *text ? text + 1 : text;
}

// The first run of decimal digits after the switch letter. Window handles are 32-bit values,
// so a longer number (or one that would overflow) names no window.
bool ReadWindowNumber(const wchar_t* text, HWND* window) {
  while (*text && !std::iswdigit(*text)) ++text;
  if (!*text) return false;
  unsigned long long value = 0;
  for (; std::iswdigit(*text); ++text) {
    value = value * 10 + static_cast<unsigned>(*text - L'0');
    if (value > 0xFFFFFFFFull) return false;
  }
  *window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(value));
  return true;
}

}  // namespace

SaverMode ParseCommandLine(const wchar_t* commandLine, HWND* parent) {
  *parent = nullptr;
  const wchar_t* text = SkipProgramName(commandLine);
  while (*text && *text != L'/' && *text != L'-') ++text;
  if (!*text) return SaverMode::Configuration;
  const wchar_t* rest = text + 2;
  switch (std::towlower(text[1])) {
    case L'a':
      ReadWindowNumber(rest, parent);
      return SaverMode::PasswordChange;
    case L'c':
      ReadWindowNumber(rest, parent);
      return SaverMode::Configuration;
    case L'p':
      ReadWindowNumber(rest, parent);
      return SaverMode::Preview;
    case L'r':
      return SaverMode::StartOnly;
    case L't':
      return SaverMode::TestWindow;
    default:
      return SaverMode::FullScreen;
  }
}
