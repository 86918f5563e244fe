#include "tools/fxc/asm_words.h"

#include <cctype>

namespace fxc {
namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsWordStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsWordPart(char c) {
  return IsWordStart(c) || IsDigit(c);
}

}  // namespace

std::vector<AsmWord> AsmWords(const std::string& assembly, int firstLine) {
  std::vector<AsmWord> words;
  int line = firstLine;
  size_t at = 0;
  auto peek = [&assembly](size_t i) { return i < assembly.size() ? assembly[i] : '\0'; };
  while (at < assembly.size()) {
    char c = assembly[at];
    if (c == '\n') {
      ++line;
      ++at;
    } else if (c == '/' && peek(at + 1) == '/') {
      while (at < assembly.size() && assembly[at] != '\n') ++at;
    } else if (c == '/' && peek(at + 1) == '*') {
      at += 2;
      while (at < assembly.size() && !(assembly[at] == '*' && peek(at + 1) == '/')) {
        if (assembly[at] == '\n') ++line;
        ++at;
      }
      at += 2;
    } else if (IsDigit(c) || (c == '.' && IsDigit(peek(at + 1)))) {
      // A number (def values, 1e-3): its digits are not register numbers.
      while (IsDigit(peek(at)) || peek(at) == '.') ++at;
      if ((peek(at) == 'e' || peek(at) == 'E') &&
          (IsDigit(peek(at + 1)) || ((peek(at + 1) == '-' || peek(at + 1) == '+') &&
                                     IsDigit(peek(at + 2)))))
        at += 2;
      while (IsDigit(peek(at))) ++at;
      if (peek(at) == 'f' || peek(at) == 'F') ++at;
    } else if (IsWordStart(c)) {
      size_t start = at;
      while (IsWordPart(peek(at))) ++at;
      AsmWord word;
      word.text = assembly.substr(start, at - start);
      word.line = line;
      size_t next = at;
      while (peek(next) == ' ' || peek(next) == '\t') ++next;
      word.call = peek(next) == '(';
      words.push_back(std::move(word));
    } else {
      ++at;
    }
  }
  return words;
}

}  // namespace fxc
