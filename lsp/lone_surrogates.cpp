// Lone surrogate escapes in a message, rewritten as the replacement character.
#include "lone_surrogates.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace zolt::lsp {
namespace {

// As long as every \uXXXX escape, so a rewrite moves nothing.
constexpr std::string_view kReplacement = "\\uFFFD";
constexpr std::size_t kEscapeLength = 6;

// The code unit of the \uXXXX escape at `at`, if one is there.
std::optional<unsigned> EscapedUnit(std::string_view json, std::size_t at) {
  if (json.size() - at < kEscapeLength || json[at] != '\\' || json[at + 1] != 'u') {
    return std::nullopt;
  }
  const char* const digits = json.data() + at + 2;
  unsigned unit = 0;
  const auto [end, error] = std::from_chars(digits, digits + 4, unit, 16);
  if (error != std::errc() || end != digits + 4) return std::nullopt;
  return unit;
}

bool IsHigh(unsigned unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLow(unsigned unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void ReplaceLoneSurrogates(std::string& json) {
  for (std::size_t at = json.find('\\'); at != std::string::npos; at = json.find('\\', at)) {
    const std::optional<unsigned> unit = EscapedUnit(json, at);
    if (!unit) {
      // Any other escape, an escaped backslash among them.
      at += 2;
      continue;
    }
    if (IsHigh(*unit)) {
      const std::optional<unsigned> next = EscapedUnit(json, at + kEscapeLength);
      if (next && IsLow(*next)) {
        at += 2 * kEscapeLength;
        continue;
      }
    }
    if (IsHigh(*unit) || IsLow(*unit)) json.replace(at, kEscapeLength, kReplacement);
    at += kEscapeLength;
  }
}

}  // namespace zolt::lsp
