// Formatting the listing's and object file's lines into their outputs.
#include "listing_format.h"

#include <algorithm>
#include <array>

#include "checked16.h"

namespace zolt {
namespace {

// Room for the fields of any line: an address, two code words, a line number
// and the tabs between them take at most 25 characters, an object line 15.
constexpr std::size_t kLongestFields = 32;

// "00" to "99", to write decimal digits two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// A code word in upper-case hexadecimal digits without leading zeros, put
// at `at`; returns where the digits end.
char* PutHex(char* at, std::uint16_t bits) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  int shift = 12;
  while (shift > 0 && (bits >> shift) == 0) shift -= 4;
  for (; shift >= 0; shift -= 4) *at++ = kDigits[(bits >> shift) & 0xF];
  return at;
}

// Formats one line straight onto the end of an output, as a line is written
// for nearly every source line: room for the longest line is asked for at
// once, the characters are put in place, and the output ends where they do
// when the writer goes.
class LineWriter {
 public:
  LineWriter(OutputText& out, std::size_t longest) : out_(out), end_(out.Room(longest)) {}
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;
  ~LineWriter() { out_.EndAt(end_); }

  LineWriter& Text(std::string_view text) {
    end_ = std::copy(text.begin(), text.end(), end_);
    return *this;
  }
  // Line numbers and addresses: never negative, five digits at most,
  // written from the last, two at a time.
  LineWriter& Decimal(std::uint16_t value) {
    const int digits = value < 10 ? 1 : value < 100 ? 2 : value < 1000 ? 3 : value < 10000 ? 4 : 5;
    end_ += digits;
    char* digit = end_;
    const auto twoDigits = [&digit](unsigned pair) {
      digit -= 2;
      std::copy_n(&kDigitPairs[2 * pair], 2, digit);
    };
    for (; value >= 100; value /= 100) twoDigits(value % 100);
    if (value >= 10) {
      twoDigits(value);
    } else {
      *--digit = static_cast<char>('0' + value);
    }
    return *this;
  }
  LineWriter& Hex(std::int16_t code) {
    end_ = PutHex(end_, Bits16(code));
    return *this;
  }
  // An address is written as a number item: a space where a minus sign
  // would stand, the digits and a trailing space.
  LineWriter& Address(std::int16_t address) {
    return Text(" ").Decimal(static_cast<std::uint16_t>(address)).Text(" ");
  }

 private:
  OutputText& out_;
  char* end_;
};

// A listing line: its fields, then the source text as read and the line end.
std::size_t Longest(std::string_view source) {
  return kLongestFields + source.size() + kLineEnd.size();
}

}  // namespace

std::string HexWord(std::int16_t code) {
  std::array<char, 4> digits{};
  return {digits.data(), PutHex(digits.data(), Bits16(code))};
}

void AppendHeader(OutputText& out, std::string_view listingPath) {
  out.Append("Filemane:");
  out.Append(listingPath);
  out.Append(kLineEnd);
  out.Append(kLineEnd);
  out.Append("addr    code            line    Source Text");
  out.Append(kLineEnd);
}

void AppendTextOnlyLine(OutputText& out, int lineNumber, std::string_view source) {
  LineWriter(out, Longest(source))
      .Text("\t\t\t ")
      .Decimal(static_cast<std::uint16_t>(lineNumber))
      .Text("\t")
      .Text(source)
      .Text(kLineEnd);
}

void AppendOneWordLine(OutputText& out, std::int16_t address, std::int16_t code, int lineNumber,
                       std::string_view source) {
  LineWriter(out, Longest(source))
      .Address(address)
      .Text("\t")
      .Hex(code)
      .Text("\t\t ")
      .Decimal(static_cast<std::uint16_t>(lineNumber))
      .Text("\t")
      .Text(source)
      .Text(kLineEnd);
}

void AppendTwoWordLine(OutputText& out, std::int16_t address, std::int16_t code, std::int16_t code2,
                       int lineNumber, std::string_view source) {
  LineWriter(out, Longest(source))
      .Address(address)
      .Text("\t")
      .Hex(code)
      .Text("\t")
      .Hex(code2)
      .Text("\t ")
      .Decimal(static_cast<std::uint16_t>(lineNumber))
      .Text("\t")
      .Text(source)
      .Text(kLineEnd);
}

void AppendErrorLine(OutputText& out) {
  out.Append(kErrorLine);
  out.Append(kLineEnd);
}

void AppendObjectLine(OutputText& out, std::int16_t code) {
  LineWriter(out, kLongestFields).Text("&h").Hex(code).Text(kLineEnd);
}

void AppendObjectLine(OutputText& out, std::int16_t code, std::int16_t code2) {
  LineWriter(out, kLongestFields).Text("&h").Hex(code).Text("\t&h").Hex(code2).Text(kLineEnd);
}

namespace {

// A body line's line number stands between its third and fourth tab, after a
// space; the source text, which may hold tabs, comes after it.
std::int32_t LineNumberField(std::string_view line) {
  std::size_t field = 0;
  for (int tab = 0; tab < 3; ++tab) {
    const std::size_t at = line.find('\t', field);
    if (at == std::string_view::npos) return 0;
    field = at + 1;
  }
  std::int32_t number = 0;
  for (std::size_t digit = field + 1; digit < line.size() && line[digit] != '\t'; ++digit) {
    number = number * 10 + (line[digit] - '0');
  }
  return number;
}

}  // namespace

std::vector<std::int32_t> ListedLineNumbers(std::string_view listing) {
  constexpr std::size_t kHeaderLines = 3;
  std::vector<std::int32_t> numbers;
  while (!listing.empty()) {
    const std::size_t end = std::min(listing.find(kLineEnd), listing.size());
    const std::string_view line = listing.substr(0, end);
    listing.remove_prefix(std::min(end + kLineEnd.size(), listing.size()));
    if (numbers.size() < kHeaderLines) {
      numbers.push_back(0);
    } else if (line == kErrorLine) {
      numbers.push_back(-numbers.back());
    } else {
      numbers.push_back(LineNumberField(line));
    }
  }
  return numbers;
}

}  // namespace zolt
