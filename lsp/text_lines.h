// A document's lines, and columns counted as the client counts characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zolt::lsp {

// How the client counts the characters of a line: VS Code and most others in
// UTF-16 code units, some in bytes when offered.
enum class PositionEncoding : std::uint8_t { Utf16, Utf8 };

// An editor's buffer and its lines, split as a run reads them (CR LF, a lone
// CR or a lone LF ends a line), with the conversions between the client's
// character positions and byte columns. A byte-order mark is not part of the
// first line, just as a run skips it, but the client may count it.
class TextLines {
 public:
  explicit TextLines(std::string text);

  const std::string& Text() const { return text_; }
  int Count() const { return static_cast<int>(lines_.size()); }
  // The line's bytes; empty for a line outside the text.
  std::string_view Line(int line) const;

  // The byte column of a client's position on a line, at most the line's end.
  std::size_t ByteColumn(int line, std::int64_t character, PositionEncoding encoding) const;
  // The client's position of a byte column on a line.
  std::int64_t Character(int line, std::size_t column, PositionEncoding encoding) const;

 private:
  struct Span {
    std::size_t start;
    std::size_t size;
  };
  std::size_t Mark(int line) const { return line == 0 ? mark_ : 0; }

  std::string text_;
  std::vector<Span> lines_;
  std::size_t mark_ = 0;
};

}  // namespace zolt::lsp
