// Reading, rounding and writing the language's numbers.
#include "numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "channels.h"
#include "float_chars.h"
#include "full_width.h"
#include "hard_error.h"
#include "quote.h"
#include "text.h"

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

// Whether the digits of a hexadecimal number written another way ("0X10",
// "10H") are what &H takes: one to eight hexadecimal digits. Only then does
// the hint repeat them, so it never echoes what the quote would escape or cut.
bool FitsAmpersandH(std::string_view digits) {
  constexpr std::size_t kMostDigits = 8;
  return !digits.empty() && digits.size() <= kMostDigits &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigit(c) >= 0; });
}

// Why a word that starts like a number is none, with how to write it, and
// the correction for an editor where the hint spells one out. A symbol's
// value text is not where the word stands, so it is never corrected.
HardError NotANumberError(std::string_view text, const Written& written) {
  const std::string quoted = ShownWritten(written);
  const auto correcting = [&](Message message, std::size_t at, std::size_t length, std::string by) {
    HardError error(std::move(message));
    // A correction is made of UTF-8: it fits only a word that is.
    if (written.symbol == nullptr && written.decoded.empty()) {
      error.Correct(written.word, {static_cast<std::uint32_t>(at),
                                   static_cast<std::uint32_t>(length), std::move(by)});
    }
    return error;
  };
  const auto ampersandH = [&](std::string_view digits) {
    return correcting(
        Message("'%s' is not a number; hexadecimal is written with &H, as in &H%s", quoted, digits),
        0, written.word.size(), "&H" + std::string(digits));
  };
  if (text.starts_with("0X") && FitsAmpersandH(text.substr(2))) {
    return ampersandH(written.word.substr(2));
  }
  if (text.ends_with('H') && FitsAmpersandH(text.substr(0, text.size() - 1))) {
    return ampersandH(written.word.substr(0, written.word.size() - 1));
  }
  // Before the comment's hint: "5　;X" has a blank before its ';', only
  // not one that separates words.
  if (const std::optional<OtherBlank> blank = FindOtherBlank(written.Readable())) {
    if (blank->code == 0x3000) {
      return correcting(
          Message("'%s' is not a number; a full-width space (U+3000) stands in it, and only spaces "
                  "and tabs separate words",
                  quoted),
          blank->at, blank->length, " ");
    }
    return HardError(
        Message("'%s' is not a number; the blank U+%s stands in it, and only spaces and tabs "
                "separate words",
                quoted, HexDigits(blank->code, 4)));
  }
  if (written.symbol == nullptr && ExplainFullWidth(written.Readable())) {
    HardError error(Message("'%s' is not a number", quoted));
    ExplainFullWidthIn(written, error);
    return error;
  }
  if (text.find(';') != std::string_view::npos) {
    return HardError(
        Message("'%s' is not a number; a comment begins with ';' after a blank", quoted));
  }
  return HardError(
      Message("'%s' is not a number; numbers are written as 12, -1.5, 2E3 or &HFF", quoted));
}

[[noreturn]] void NotANumber(std::string_view text, const Written& written) {
  throw NotANumberError(text, written);
}

[[noreturn]] void OutOfRange(const Written& written) {
  if (written.symbol != nullptr) {
    throw HardError(Message("the value %s of '%s' is too large", ValueText(written.symbol->value),
                            Shown(written.symbol->name)));
  }
  throw HardError(Message("'%s' is too large", ShownWritten(written)));
}

double ParseHex(std::string_view text, std::string_view digits, const Written& written) {
  if (digits.empty() || digits.size() > 8) NotANumber(text, written);
  std::uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) NotANumber(text, written);
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

// A decimal number checked against the language's form by hand:
// std::from_chars alone would accept "INF", "NAN" and a lower-case exponent,
// none of which the language has.
struct Decimal {
  std::string_view text{};
  Written written{};
  bool negative = false;
  // The digits and what follows them, without the sign: what from_chars reads.
  std::string_view unsignedText{};
  // Only digits, few enough to be exact in a double.
  bool plainDigits = false;
  // Its true value is 1 or more in size, so a value the reader cannot hold
  // is too large; a smaller one can only be too tiny, which is 0.
  bool atLeastOne = false;
};

// Adds a digit to an exponent that stops growing far beyond any number of
// digits a source can hold, so that a sum with a digit count never wraps.
std::int64_t SaturatingDigits(std::int64_t exponent, char digit) {
  constexpr std::int64_t kFar = std::int64_t{1} << 40;
  static_assert(kLargestSource < kFar);
  return exponent > kFar ? exponent : exponent * 10 + (digit - '0');
}

Decimal ReadDecimal(std::string_view text, const Written& written) {
  Decimal number;
  number.text = text;
  number.written = written;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.negative = text[i++] == '-';
  number.unsignedText = text.substr(i);
  std::int64_t digits = 0;
  std::int64_t wholeDigits = 0;
  std::int64_t firstNonZero = -1;
  const auto digitsFrom = [&] {
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      if (firstNonZero < 0 && text[i] != '0') firstNonZero = digits;
    }
  };
  digitsFrom();
  wholeDigits = digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    digitsFrom();
  }
  if (digits == 0) NotANumber(text, written);
  std::int64_t exponent = 0;
  if (i < text.size() && text[i] == 'E') {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    const std::size_t exponentDigits = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) exponent = SaturatingDigits(exponent, text[i]);
    if (i == exponentDigits) NotANumber(text, written);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) NotANumber(text, written);
  number.plainDigits =
      number.unsignedText.size() == static_cast<std::size_t>(digits) && digits <= 15;
  number.atLeastOne = firstNonZero >= 0 && wholeDigits - 1 - firstNonZero + exponent >= 0;
  return number;
}

// The decimal as the nearest value of type T, rounded once from the digits
// as written.
template <typename T>
T Convert(const Decimal& number) {
  T value = 0;
  if (number.plainDigits) {
    // Nearly every operand: plain digits convert exactly, without the
    // floating-point reader.
    std::int64_t whole = 0;
    for (char c : number.unsignedText) whole = whole * 10 + (c - '0');
    value = static_cast<T>(whole);
  } else {
    const std::string_view digits = number.unsignedText;
    const auto [end, error] = FloatFromChars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
      if (number.atLeastOne) OutOfRange(number.written);
      value = 0;
    } else if (error != std::errc() || end != digits.data() + digits.size()) {
      NotANumber(number.text, number.written);
    }
  }
  return number.negative ? -value : value;
}

// An optional minus and up to nine decimal digits, as nearly every operand
// is written (a jump's distance back among them): their value, read without
// the general reader and its rounding; nothing for any other text.
std::optional<std::int64_t> PlainInteger(std::string_view text) {
  constexpr std::size_t kMostDigits = 9;
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > kMostDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

bool IsHex(std::string_view text) {
  return text.size() >= 2 && text[0] == '&' && text[1] == 'H';
}

double RoundHalfEven(double value) {
  const double nearest = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return nearest;
}

std::int32_t RoundToInt32(double value, const Written& written) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    OutOfRange(written);
  }
  return static_cast<std::int32_t>(rounded);
}

double ParseNumber(std::string_view text, const Written& written) {
  if (IsHex(text)) return ParseHex(text, text.substr(2), written);
  return Convert<double>(ReadDecimal(text, written));
}

}  // namespace

bool LooksLikeLiteral(std::string_view word) {
  return !word.empty() && ((word[0] >= '0' && word[0] <= '9') || word[0] == '-' || IsHex(word));
}

bool StartsLikeNumber(std::string_view word) {
  return !word.empty() && ((word[0] >= '0' && word[0] <= '9') || word[0] == '-' || word[0] == '+' ||
                           word[0] == '.' || IsHex(word));
}

// A symbol's value text is no number the user wrote: messages name the
// symbol instead.
std::string ShownWritten(const Written& written) {
  return Shown(written.symbol == nullptr ? written.Readable() : written.symbol->name);
}

void RequireNumber(std::string_view text, const Written& written) {
  if (IsHex(text)) {
    ParseHex(text, text.substr(2), written);
  } else {
    ReadDecimal(text, written);
  }
}

std::int32_t ToInteger(std::string_view text, const Written& written) {
  if (const std::optional<std::int64_t> value = PlainInteger(text)) {
    return static_cast<std::int32_t>(*value);
  }
  return RoundToInt32(ParseNumber(text, written), written);
}

std::int32_t ToScaledInteger(std::string_view text, const Written& written) {
  if (const std::optional<std::int64_t> value = PlainInteger(text)) {
    const std::int64_t scaled = *value * kScale;
    if (scaled >= std::numeric_limits<std::int32_t>::min() &&
        scaled <= std::numeric_limits<std::int32_t>::max()) {
      return static_cast<std::int32_t>(scaled);
    }
  }
  return RoundToInt32(ParseNumber(text, written) * static_cast<double>(kScale), written);
}

float ToSingle(std::string_view text, const Written& written) {
  if (IsHex(text)) return static_cast<float>(ParseHex(text, text.substr(2), written));
  return Convert<float>(ReadDecimal(text, written));
}

namespace {

// Numbers are written the way the language reads them: "1.5E-07", not "e".
std::string CapitalExponent(const char* begin, const char* end) {
  std::string text(begin, end);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace

std::string ValueText(float value) {
  // Label addresses and jump distances are whole numbers of at most seven
  // digits, which the general form writes as plain digits: the common case,
  // taken without the general conversion. Minus zero is written "-0" there.
  const bool minusZero = value == 0 && std::signbit(value);
  if (std::fabs(value) < 1e7F && std::trunc(value) == value && !minusZero) {
    return std::to_string(static_cast<std::int32_t>(value));
  }
  std::array<char, 32> buffer{};
  const auto result =
      DoubleToChars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value), 7);
  return CapitalExponent(buffer.data(), result.ptr);
}

}  // namespace zolt
