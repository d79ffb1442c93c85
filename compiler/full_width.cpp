// Naming the full-width characters of a word, with the word in ASCII.
#include "full_width.h"

#include "quote.h"
#include "text.h"

namespace zolt {
namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFirstFullWidth = 0xFF01;  // '！', the full-width '!'
constexpr char32_t kLastFullWidth = 0xFF5E;   // '～', the full-width '~'
constexpr char32_t kToAscii = 0xFEE0;         // the distance from each to its ASCII twin

// The ASCII character a full-width one stands for, or 0 for any other.
char AsciiOf(char32_t code) {
  if (code == kIdeographicSpace) return ' ';
  if (code < kFirstFullWidth || code > kLastFullWidth) return 0;
  return static_cast<char>(code - kToAscii);
}

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The message for a character named on its own: the punctuation a source
// uses, each under its own name, so that a translation can call it as its
// readers do.
Message NamedCharacter(char ascii, const std::string& quoted) {
  const std::string half = Shown(std::string(1, ascii));
  switch (ascii) {
    case ' ':
      return Message("'%s' (full-width space, U+3000) must be written as a half-width space",
                     quoted);
    case ':':
      return Message("'%s' (full-width colon) must be written as the half-width '%s'", quoted,
                     half);
    case ';':
      return Message("'%s' (full-width semicolon) must be written as the half-width '%s'", quoted,
                     half);
    case ',':
      return Message("'%s' (full-width comma) must be written as the half-width '%s'", quoted,
                     half);
    case '&':
      return Message("'%s' (full-width ampersand) must be written as the half-width '%s'", quoted,
                     half);
    case '+':
      return Message("'%s' (full-width plus sign) must be written as the half-width '%s'", quoted,
                     half);
    case '-':
      return Message("'%s' (full-width minus sign) must be written as the half-width '%s'", quoted,
                     half);
    case '.':
      return Message("'%s' (full-width full stop) must be written as the half-width '%s'", quoted,
                     half);
    default:
      return Message("'%s' (full-width character) must be written as the half-width '%s'", quoted,
                     half);
  }
}

}  // namespace

std::optional<FullWidthHint> ExplainFullWidth(std::string_view word) {
  std::optional<std::string_view> first;
  char firstAscii = 0;
  std::string corrected;
  for (std::size_t at = 0; at < word.size();) {
    const std::size_t length = CharacterLength(word, at);
    const std::string_view character = word.substr(at, length);
    const char ascii = length == 3 ? AsciiOf(CodePointOf(character)) : 0;
    if (ascii == 0) {
      corrected += character;
    } else {
      if (!first) {
        first = character;
        firstAscii = ascii;
      }
      // A comment's ';' needs a blank before it.
      if (ascii == ';' && at > 0 && !corrected.empty() && !IsBlank(corrected.back())) {
        corrected += ' ';
      }
      corrected += ascii;
    }
    at += length;
  }
  if (!first) return std::nullopt;
  const std::string quotedWord = Shown(word);
  if (IsAsciiDigit(firstAscii)) {
    return FullWidthHint{
        Message("'%s' contains full-width digits; write %s", quotedWord, Shown(corrected)),
        corrected};
  }
  if (IsAsciiLetter(firstAscii)) {
    return FullWidthHint{
        Message("'%s' contains full-width letters; write %s", quotedWord, Shown(corrected)),
        corrected};
  }
  return FullWidthHint{NamedCharacter(firstAscii, Shown(*first)), corrected};
}

void ExplainFullWidthIn(const Written& written, HardError& error) {
  std::optional<FullWidthHint> hint = ExplainFullWidth(written.Readable());
  if (!hint) return;
  error.AddNote({Severity::Note, {}, std::move(hint->message), {}, {}});
  if (!written.decoded.empty()) return;
  error.Correct(written.word,
                {0, static_cast<std::uint32_t>(written.word.size()), std::move(hint->corrected)});
}

}  // namespace zolt
