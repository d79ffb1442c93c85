#include "listing_format.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "checked16.h"

namespace zolt {
namespace {

// Room for the fields of any line: an address, two code words, a line number
// and the tabs between them take at most 25 characters, an object line 15.
constexpr std::size_t kLongestFields = 32;

// Formats one line straight onto the end of an output, as a line is written
// for nearly every source line: room for the longest line is made at once,
// the characters are put in place, and what the line left unused is given
// back when the writer goes.
class LineWriter {
 public:
  LineWriter(std::string& out, std::size_t longest) : out_(out) {
    const std::size_t start = out.size();
    out.resize(start + longest);
    end_ = out.data() + start;
  }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;
  ~LineWriter() { out_.resize(static_cast<std::size_t>(end_ - out_.data())); }

  LineWriter& Text(std::string_view text) {
    end_ = std::copy(text.begin(), text.end(), end_);
    return *this;
  }
  LineWriter& Decimal(int value) {
    end_ = std::to_chars(end_, end_ + kLongestFields, value).ptr;
    return *this;
  }
  LineWriter& Hex(std::int16_t code) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    const std::uint16_t bits = Bits16(code);
    int shift = 12;
    while (shift > 0 && (bits >> shift) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) *end_++ = kDigits[(bits >> shift) & 0xF];
    return *this;
  }
  // An address is written as a number item: a space where a minus sign
  // would stand, the digits and a trailing space.
  LineWriter& Address(std::int16_t address) { return Text(" ").Decimal(address).Text(" "); }

 private:
  std::string& out_;
  char* end_;
};

// A listing line: its fields, then the source text as read and the line end.
std::size_t Longest(std::string_view source) {
  return kLongestFields + source.size() + kLineEnd.size();
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
  LineWriter(out, Longest(source))
      .Text("\t\t\t ")
      .Decimal(lineNumber)
      .Text("\t")
      .Text(source)
      .Text(kLineEnd);
}

void AppendOneWordLine(std::string& out, std::int16_t address, std::int16_t code, int lineNumber,
                       std::string_view source) {
  LineWriter(out, Longest(source))
      .Address(address)
      .Text("\t")
      .Hex(code)
      .Text("\t\t ")
      .Decimal(lineNumber)
      .Text("\t")
      .Text(source)
      .Text(kLineEnd);
}

void AppendTwoWordLine(std::string& out, std::int16_t address, std::int16_t code,
                       std::int16_t code2, int lineNumber, std::string_view source) {
  LineWriter(out, Longest(source))
      .Address(address)
      .Text("\t")
      .Hex(code)
      .Text("\t")
      .Hex(code2)
      .Text("\t ")
      .Decimal(lineNumber)
      .Text("\t")
      .Text(source)
      .Text(kLineEnd);
}

void AppendErrorLine(std::string& out) {
  out.append(kErrorLine);
  out.append(kLineEnd);
}

void AppendObjectLine(std::string& out, std::int16_t code) {
  LineWriter(out, kLongestFields).Text("&h").Hex(code).Text(kLineEnd);
}

void AppendObjectLine(std::string& out, std::int16_t code, std::int16_t code2) {
  LineWriter(out, kLongestFields).Text("&h").Hex(code).Text("\t&h").Hex(code2).Text(kLineEnd);
}

}  // namespace zolt
