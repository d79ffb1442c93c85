// The language's numbers: reading them, rounding them into operands and
// symbol values, and writing symbol values back as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zolt {

// The number forms of the language: an optional sign, digits with an optional
// fraction and exponent ("12", "12.", ".5", "-1.5E3"), or "&H" and 1 to 8
// hexadecimal digits read unsigned. Anything else is a hard error. Texts are
// upper-cased source words.

// Whether an operand word is taken as a number as written rather than as a
// symbol's name: it starts with a digit, a minus or "&H". Only the
// conversion that follows tells whether it really is a number.
bool LooksLikeLiteral(std::string_view word);

// Whether a word starts the way any number may (a digit, a sign, a point or
// "&H"): an EQU value that does not names no number at all.
bool StartsLikeNumber(std::string_view word);

// A symbol that stood for an operand: messages name it and its value rather
// than the value text it gave.
struct SymbolOperand {
  std::string_view name;
  float value;
};

// How messages name the number being read: the word as the user wrote it (in
// the source's own letter case), or the symbol it named.
struct Written {
  std::string_view word;
  const SymbolOperand* symbol = nullptr;
  // The word decoded, when the source is in a legacy code page; empty when
  // the word's bytes are already UTF-8.
  std::string decoded = {};

  std::string_view Readable() const { return decoded.empty() ? word : decoded; }
};

// The word as a message shows it, or the symbol's name when it is a symbol's
// value text.
std::string ShownWritten(const Written& written);

// Checks that the text is a number, without regard to its size.
void RequireNumber(std::string_view text, const Written& written);

// The number rounded to a 32-bit integer, halves to even. A value beyond the
// range, whatever its form, is a hard error; a value too tiny for a double
// is 0.
std::int32_t ToInteger(std::string_view text, const Written& written);

// Scaled operands are counted in units of 0.0001.
inline constexpr std::int32_t kScale = 10000;

// The number times kScale, rounded the same way: operands counted in 0.0001s.
std::int32_t ToScaledInteger(std::string_view text, const Written& written);

// The written number rounded once to the nearest single-precision value, as
// symbol values are held; only a value that rounds past the largest one is
// too large.
float ToSingle(std::string_view text, const Written& written);

// A symbol value written with seven significant digits; always reads back
// as a number to the same single-precision value.
std::string ValueText(float value);

}  // namespace zolt
