#include "numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "hard_error.h"

namespace zolt {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

[[noreturn]] void NotANumber(std::string_view text) {
  throw HardError("'" + std::string(text) + "' is not a number");
}

[[noreturn]] void OutOfRange(std::string_view text) {
  throw HardError("'" + std::string(text) + "' is too large");
}

double ParseHex(std::string_view text, std::string_view digits) {
  if (digits.empty() || digits.size() > 8) NotANumber(text);
  std::uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) NotANumber(text);
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

// Checks the decimal form by hand: std::from_chars alone would accept "INF",
// "NAN" and a lower-case exponent, none of which the language has.
double ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t mantissa = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) NotANumber(text);
  bool tinyExponent = false;
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) tinyExponent = text[i++] == '-';
    const std::size_t exponentDigits = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == exponentDigits) NotANumber(text);
  }
  if (i != text.size()) NotANumber(text);

  double value = 0;
  // Plain digits, nearly every operand, convert exactly without the
  // floating-point reader (up to 15 digits, all exact in a double).
  if (text.size() - mantissa == digits && digits <= 15) {
    std::int64_t whole = 0;
    for (char c : text.substr(mantissa)) whole = whole * 10 + (c - '0');
    value = static_cast<double>(whole);
    return negative ? -value : value;
  }
  const auto [end, error] = std::from_chars(text.data() + mantissa, text.data() + text.size(),
                                            value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (!tinyExponent) OutOfRange(text);
    value = 0;
  } else if (error != std::errc() || end != text.data() + text.size()) {
    NotANumber(text);
  }
  return negative ? -value : value;
}

double RoundHalfEven(double value) {
  const double nearest = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return nearest;
}

std::int32_t RoundToInt32(double value, std::string_view text) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    OutOfRange(text);
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

double ParseNumber(std::string_view text) {
  if (text.size() >= 2 && text[0] == '&' && text[1] == 'H') return ParseHex(text, text.substr(2));
  return ParseDecimal(text);
}

std::int32_t ToInteger(std::string_view text) {
  return RoundToInt32(ParseNumber(text), text);
}

std::int32_t ToScaledInteger(std::string_view text) {
  return RoundToInt32(ParseNumber(text) * 10000.0, text);
}

float ToSingle(std::string_view text) {
  const double value = ParseNumber(text);
  if (std::fabs(value) > std::numeric_limits<float>::max()) OutOfRange(text);
  return static_cast<float>(value);
}

std::string ValueText(float value) {
  // Label addresses and jump distances are whole numbers of at most seven
  // digits, which the general form writes as plain digits: the common case,
  // taken without the general conversion. Minus zero is written "-0" there.
  const bool minusZero = value == 0 && std::signbit(value);
  if (std::fabs(value) < 1e7F && std::trunc(value) == value && !minusZero) {
    return std::to_string(static_cast<std::int32_t>(value));
  }
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    static_cast<double>(value), std::chars_format::general, 7);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace zolt
