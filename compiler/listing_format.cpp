#include "listing_format.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "checked16.h"

namespace zolt {
namespace {

// The fields at the start of a line (address, code words, line number; at
// most 32 characters) are put together in place and appended in one piece,
// as a line is written for nearly every source line.
class Fields {
 public:
  Fields& Text(std::string_view text) {
    end_ = std::copy(text.begin(), text.end(), end_);
    return *this;
  }
  Fields& Decimal(int value) {
    end_ = std::to_chars(end_, buffer_.data() + buffer_.size(), value).ptr;
    return *this;
  }
  Fields& Hex(std::int16_t code) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::array<char, 4> digits;
    auto first = digits.end();
    std::uint16_t bits = Bits16(code);
    do {
      *--first = kDigits[bits & 0xF];
      bits = static_cast<std::uint16_t>(bits >> 4);
    } while (bits != 0);
    end_ = std::copy(first, digits.end(), end_);
    return *this;
  }
  // An address is written as a number item: a space where a minus sign
  // would stand, the digits and a trailing space.
  Fields& Address(std::int16_t address) { return Text(" ").Decimal(address).Text(" "); }

  void AppendTo(std::string& out) const {
    out.append(buffer_.data(), static_cast<std::size_t>(end_ - buffer_.data()));
  }
  // The fields, then the source text as read and the line end.
  void AppendTo(std::string& out, std::string_view source) const {
    AppendTo(out);
    out.append(source);
    out.append(kLineEnd);
  }

 private:
  std::array<char, 48> buffer_;
  char* end_ = buffer_.data();
};

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
  Fields().Text("\t\t\t ").Decimal(lineNumber).Text("\t").AppendTo(out, source);
}

void AppendOneWordLine(std::string& out, std::int16_t address, std::int16_t code, int lineNumber,
                       std::string_view source) {
  Fields()
      .Address(address)
      .Text("\t")
      .Hex(code)
      .Text("\t\t ")
      .Decimal(lineNumber)
      .Text("\t")
      .AppendTo(out, source);
}

void AppendTwoWordLine(std::string& out, std::int16_t address, std::int16_t code,
                       std::int16_t code2, int lineNumber, std::string_view source) {
  Fields()
      .Address(address)
      .Text("\t")
      .Hex(code)
      .Text("\t")
      .Hex(code2)
      .Text("\t ")
      .Decimal(lineNumber)
      .Text("\t")
      .AppendTo(out, source);
}

void AppendErrorLine(std::string& out) {
  out.append(kErrorLine);
  out.append(kLineEnd);
}

void AppendObjectLine(std::string& out, std::int16_t code) {
  Fields().Text("&h").Hex(code).Text(kLineEnd).AppendTo(out);
}

void AppendObjectLine(std::string& out, std::int16_t code, std::int16_t code2) {
  Fields().Text("&h").Hex(code).Text("\t&h").Hex(code2).Text(kLineEnd).AppendTo(out);
}

}  // namespace zolt
