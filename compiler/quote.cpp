// Showing source text and paths in messages.
#include "quote.h"

#include <algorithm>
#include <vector>

#include "text.h"

namespace zolt {
namespace {

constexpr std::string_view kEllipsis = "…";

// A code point that changes how a terminal or an editor lays out the line:
// C1 controls, line and paragraph separators, direction marks and overrides.
bool MovesText(char32_t code) {
  return (code >= 0x80 && code <= 0x9F) || code == 0x2028 || code == 0x2029 || code == 0x200E ||
         code == 0x200F || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void AppendHex(std::string& out, const char* prefix, char32_t value, int digits) {
  out += prefix;
  out += HexDigits(value, digits);
}

// The characters of a text, each as it is shown.
std::vector<std::string> ShownCharacters(std::string_view text) {
  std::vector<std::string> shown;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    const std::string_view character = text.substr(at, length);
    const char32_t code = CodePointOf(character);
    std::string piece;
    if (length == 1 && (code < 0x20 || code >= 0x7F)) {
      AppendHex(piece, "\\x", code, 2);
    } else if (MovesText(code)) {
      AppendHex(piece, "\\u", code, 4);
    } else {
      piece = character;
    }
    shown.push_back(std::move(piece));
    at += length;
  }
  return shown;
}

// The pieces [0, to), with "…" after them when more follow (and then the
// pieces from tail on).
std::string Joined(const std::vector<std::string>& pieces, std::size_t to, std::size_t tail) {
  std::string text;
  for (std::size_t i = 0; i < to; ++i) text.append(pieces[i]);
  if (to < pieces.size()) {
    text.append(kEllipsis);
    for (std::size_t i = tail; i < pieces.size(); ++i) text.append(pieces[i]);
  }
  return text;
}

}  // namespace

std::string HexDigits(char32_t value, int digits) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string text;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    text += kDigits[(value >> shift) & 0xF];
  return text;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const std::string& piece : ShownCharacters(text)) escaped.append(piece);
  return escaped;
}

std::string Shown(std::string_view text) {
  // Only the characters shown are looked at: a word of many megabytes costs
  // no more than one of sixty characters.
  const std::size_t enough = 4 * (kQuotedCharacters + 1);
  const std::vector<std::string> shown = ShownCharacters(text.substr(0, enough));
  const std::size_t kept = std::min(shown.size(), kQuotedCharacters);
  return Joined(shown, kept, shown.size());
}

std::string ShownPath(std::string_view path) {
  const std::vector<std::string> shown = ShownCharacters(path);
  if (shown.size() <= kQuotedCharacters) return Joined(shown, shown.size(), shown.size());
  const std::size_t head = (kQuotedCharacters - 1) / 2;
  const std::size_t tail = kQuotedCharacters - 1 - head;
  return Joined(shown, head, shown.size() - tail);
}

}  // namespace zolt
