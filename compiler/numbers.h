#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zolt {

// The number forms of the language: an optional sign, digits with an optional
// fraction and exponent ("12", "12.", ".5", "-1.5E3"), or "&H" and 1 to 8
// hexadecimal digits read unsigned. Anything else is a hard error.
double ParseNumber(std::string_view text);

// The number rounded to a 32-bit integer, halves to even.
std::int32_t ToInteger(std::string_view text);

// The number times 10000, rounded the same way: operands counted in 0.0001s.
std::int32_t ToScaledInteger(std::string_view text);

// The nearest single-precision value, as symbol values are held.
float ToSingle(std::string_view text);

// A symbol value written with seven significant digits; always reads back
// through ParseNumber to the same single-precision value.
std::string ValueText(float value);

}  // namespace zolt
