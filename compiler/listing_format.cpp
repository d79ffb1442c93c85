#include "listing_format.h"

#include <array>
#include <charconv>

#include "checked16.h"

namespace zolt {
namespace {

void AppendDecimal(std::string& out, int value) {
  std::array<char, 12> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out.append(digits.data(), result.ptr);
}

void AppendHex(std::string& out, std::int16_t code) {
  std::array<char, 4> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), Bits16(code), 16);
  for (const char* c = digits.data(); c != result.ptr; ++c) {
    out.push_back(*c >= 'a' ? static_cast<char>(*c - 'a' + 'A') : *c);
  }
}

// An address is written as a number item: a space where a minus sign would
// stand, the digits and a trailing space.
void AppendAddress(std::string& out, std::int16_t address) {
  out.push_back(' ');
  AppendDecimal(out, address);
  out.push_back(' ');
}

void AppendLineAndSource(std::string& out, int lineNumber, std::string_view source) {
  out.append("\t ");
  AppendDecimal(out, lineNumber);
  out.push_back('\t');
  out.append(source);
  out.append(kLineEnd);
}

}  // namespace

void AppendHeader(std::string& out, std::string_view listingPath) {
  out.append("Filemane:");
  out.append(listingPath);
  out.append(kLineEnd);
  out.append(kLineEnd);
  out.append("addr    code            line    Source Text");
  out.append(kLineEnd);
}

void AppendTextOnlyLine(std::string& out, int lineNumber, std::string_view source) {
  out.append("\t\t");
  AppendLineAndSource(out, lineNumber, source);
}

void AppendOneWordLine(std::string& out, std::int16_t address, std::int16_t code, int lineNumber,
                       std::string_view source) {
  AppendAddress(out, address);
  out.push_back('\t');
  AppendHex(out, code);
  out.push_back('\t');
  AppendLineAndSource(out, lineNumber, source);
}

void AppendTwoWordLine(std::string& out, std::int16_t address, std::int16_t code,
                       std::int16_t code2, int lineNumber, std::string_view source) {
  AppendAddress(out, address);
  out.push_back('\t');
  AppendHex(out, code);
  out.push_back('\t');
  AppendHex(out, code2);
  AppendLineAndSource(out, lineNumber, source);
}

void AppendErrorLine(std::string& out) {
  out.append(kErrorLine);
  out.append(kLineEnd);
}

void AppendObjectLine(std::string& out, std::int16_t code) {
  out.append("&h");
  AppendHex(out, code);
  out.append(kLineEnd);
}

void AppendObjectLine(std::string& out, std::int16_t code, std::int16_t code2) {
  out.append("&h");
  AppendHex(out, code);
  out.append("\t&h");
  AppendHex(out, code2);
  out.append(kLineEnd);
}

}  // namespace zolt
