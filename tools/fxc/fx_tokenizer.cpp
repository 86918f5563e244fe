#include "tools/fxc/fx_tokenizer.h"

#include <cctype>

#include "tools/fxc/fx_error.h"

namespace fxc {
namespace {

bool IsIdentifierStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentifierPart(char c) {
  return IsIdentifierStart(c) || std::isdigit(static_cast<unsigned char>(c));
}
bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

const char PunctuationMarks[] = "{}[]()<>=;,:-";

}  // namespace

char FxTokenizer::Peek(size_t ahead) const {
  return position_ + ahead < source_.size() ? source_[position_ + ahead] : '\0';
}

bool FxTokenizer::SkipComment() {
  if (Peek() == '/' && Peek(1) == '/') {
    while (Peek() != '\n' && Peek() != '\0') ++position_;
    return true;
  }
  if (Peek() != '/' || Peek(1) != '*') return false;
  int opened = line_;
  position_ += 2;
  while (!(Peek() == '*' && Peek(1) == '/')) {
    if (Peek() == '\0') throw FxError(opened, "unterminated comment");
    if (Peek() == '\n') ++line_;
    ++position_;
  }
  position_ += 2;
  return true;
}

void FxTokenizer::SkipSpaceAndComments() {
  for (;;) {
    char c = Peek();
    if (c == '\n') {
      ++line_;
      ++position_;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++position_;
    } else if (!SkipComment()) {
      return;
    }
  }
}

Token FxTokenizer::Next() {
  SkipSpaceAndComments();
  Token token;
  token.line = line_;
  char c = Peek();
  if (c == '\0') return token;

  size_t start = position_;
  if (IsIdentifierStart(c)) {
    while (IsIdentifierPart(Peek())) ++position_;
    token.kind = TokenKind::Identifier;
  } else if (IsDigit(c) || (c == '.' && IsDigit(Peek(1)))) {
    while (IsDigit(Peek())) ++position_;
    if (Peek() == '.') {
      ++position_;
      while (IsDigit(Peek())) ++position_;
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
      position_ += 2;
      while (IsDigit(Peek())) ++position_;
    }
    token.kind = TokenKind::Number;
    token.text = source_.substr(start, position_ - start);
    if (Peek() == 'f' || Peek() == 'F') ++position_;
    if (IsIdentifierPart(Peek())) throw FxError(line_, "malformed number '" + token.text + "'");
    return token;
  } else if (c == '"') {
    ++position_;
    while (Peek() != '"') {
      if (Peek() == '\0' || Peek() == '\n') throw FxError(token.line, "unterminated string");
      ++position_;
    }
    token.kind = TokenKind::String;
    token.text = source_.substr(start + 1, position_ - start - 1);
    ++position_;
    return token;
  } else if (std::string(PunctuationMarks).find(c) != std::string::npos) {
    ++position_;
    token.kind = TokenKind::Punctuation;
  } else {
    throw FxError(line_, std::string("unexpected character '") + c + "'");
  }
  token.text = source_.substr(start, position_ - start);
  return token;
}

RawBlock FxTokenizer::ReadUntilClosingBrace(int openingLine) {
  RawBlock block;
  block.line = line_;
  size_t start = position_;
  // A '}' in a comment of the shader does not close the block.
  while (Peek() != '}') {
    if (Peek() == '\0') throw FxError(openingLine, "unterminated asm block");
    if (SkipComment()) continue;
    if (Peek() == '\n') ++line_;
    ++position_;
  }
  block.text = source_.substr(start, position_ - start);
  ++position_;
  return block;
}

std::string Describe(const Token& token) {
  switch (token.kind) {
    case TokenKind::End:
      return "the end of the file";
    case TokenKind::String:
      return "\"" + token.text + "\"";
    default:
      return "'" + token.text + "'";
  }
}

}  // namespace fxc
