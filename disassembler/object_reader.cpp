// The object file's lines read back into code words.
#include "object_reader.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "hard_error.h"
#include "quote.h"
#include "text.h"

namespace zolt {
namespace {

constexpr std::uint32_t kLargestWord = 0xFFFF;

// Where a word stands on its line, for the message about it.
Location WordAt(int line, std::string_view text, std::string_view word) {
  const auto start = static_cast<std::size_t>(word.data() - text.data());
  Location where{line, 1, static_cast<std::uint32_t>(start),
                 static_cast<std::uint32_t>(word.size())};
  for (std::size_t at = 0; at < start; at += CharacterLength(text, at)) ++where.column;
  return where;
}

std::uint16_t ReadWord(int line, std::string_view text, std::string_view word) {
  const std::string_view digits = word.substr(std::min<std::size_t>(2, word.size()));
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  const bool hex = (word.starts_with("&h") || word.starts_with("&H")) && !digits.empty() &&
                   end == digits.data() + digits.size();
  if (!hex) {
    // A look-alike blank is named, as the assembler names one in a source.
    if (const std::optional<OtherBlank> blank = FindOtherBlank(word)) {
      throw HardError(
          blank->code == 0x3000
              ? Message("'%s' is not a code word; a full-width space (U+3000) stands in it, and "
                        "only a tab separates two words on a line",
                        Shown(word))
              : Message("'%s' is not a code word; the blank U+%s stands in it, and only a tab "
                        "separates two words on a line",
                        Shown(word), HexDigits(blank->code, 4)),
          WordAt(line, text, word));
    }
    throw HardError(Message("'%s' is not a code word; a code word is &h and hexadecimal digits, as "
                            "in &hE000, and a line holds one, or two separated by a tab",
                            Shown(word)),
                    WordAt(line, text, word));
  }
  if (error == std::errc::result_out_of_range || value > kLargestWord) {
    throw HardError(Message("'%s' is over 16 bits; a code word is &h0 to &hFFFF", Shown(word)),
                    WordAt(line, text, word));
  }
  return static_cast<std::uint16_t>(value);
}

ObjectLine ReadLine(int line, std::string_view text) {
  if (text.empty()) {
    throw HardError(Message("the line is empty; each line of an object file holds a code word, "
                            "as in &hE000, or two separated by a tab"),
                    {line, 1});
  }
  const std::size_t tab = text.find('\t');
  if (tab == std::string_view::npos) return {ReadWord(line, text, text)};
  return {ReadWord(line, text, text.substr(0, tab)), ReadWord(line, text, text.substr(tab + 1)), 2};
}

}  // namespace

// Lines are split as a source's are, so a byte-order mark at the start is
// taken as the assembler takes it.
std::vector<ObjectLine> ReadObject(std::string_view bytes) {
  std::vector<ObjectLine> lines;
  for (LineReader reader(bytes); !reader.AtEnd();) {
    lines.push_back(ReadLine(static_cast<int>(lines.size()) + 1, reader.Next()));
  }
  return lines;
}

}  // namespace zolt
