// Splits effect source into tokens. Comments (// and /* */) are skipped; the text of an
// asm block is taken raw (comments included), because shader assembly has a grammar of its own.
#pragma once

#include <string>

namespace fxc {

enum class TokenKind { Identifier, Number, String, Punctuation, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // the identifier, the digits, the string's contents or the punctuation mark
  int line = 1;

  bool Is(const char* punctuation) const {
    return kind == TokenKind::Punctuation && text == punctuation;
  }
  bool IsWord(const char* word) const { return kind == TokenKind::Identifier && text == word; }
};

// Raw text up to a closing brace, with the line on which the text starts.
struct RawBlock {
  std::string text;
  int line = 1;
};

class FxTokenizer {
public:
  explicit FxTokenizer(std::string source) : source_(std::move(source)) {}

  Token Next();
  // The text from the current position up to the next '}' outside a comment, which is
  // consumed. Call it right after the opening '{' was returned by Next.
  RawBlock ReadUntilClosingBrace(int openingLine);

private:
  void SkipSpaceAndComments();
  // Skips the // or /* */ comment that starts here, if one does.
  bool SkipComment();
  char Peek(size_t ahead = 0) const;

  std::string source_;
  size_t position_ = 0;
  int line_ = 1;
};

// How a token reads in an error message: 'name', end of file, and so on.
std::string Describe(const Token& token);

}  // namespace fxc
