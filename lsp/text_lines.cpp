// Splitting a document into lines and converting columns between bytes and the client's units.
#include "text_lines.h"

#include <algorithm>

namespace zolt::lsp {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The bytes of the UTF-8 character that starts with this byte, and how many
// UTF-16 code units it takes. A stray continuation byte counts as one of each,
// so any bytes convert.
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::int64_t Utf16Units(std::size_t utf8Length) {
  return utf8Length == 4 ? 2 : 1;
}

}  // namespace

TextLines::TextLines(std::string text) : text_(std::move(text)) {
  if (text_.starts_with(kByteOrderMark)) mark_ = kByteOrderMark.size();
  std::size_t start = mark_;
  // A line for each LF and one more: all of them unless lone CRs end some.
  lines_.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n')) + 1);
  for (std::size_t i = start; i < text_.size(); ++i) {
    if (text_[i] != '\r' && text_[i] != '\n') continue;
    lines_.push_back({start, i - start});
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    start = i + 1;
  }
  // The client has a last line after a final line end, too: empty.
  lines_.push_back({start, text_.size() - start});
}

std::string_view TextLines::Line(int line) const {
  if (line < 0 || line >= Count()) return {};
  const Span span = lines_[static_cast<std::size_t>(line)];
  return std::string_view(text_).substr(span.start, span.size);
}

std::size_t TextLines::ByteColumn(int line, std::int64_t character,
                                  PositionEncoding encoding) const {
  const std::string_view bytes = Line(line);
  std::int64_t left =
      character - (encoding == PositionEncoding::Utf8 ? static_cast<std::int64_t>(Mark(line))
                   : Mark(line) > 0                   ? 1
                                                      : 0);
  std::size_t column = 0;
  while (column < bytes.size() && left > 0) {
    const std::size_t length =
        std::min(Utf8Length(static_cast<unsigned char>(bytes[column])), bytes.size() - column);
    left -=
        encoding == PositionEncoding::Utf8 ? static_cast<std::int64_t>(length) : Utf16Units(length);
    column += length;
  }
  return column;
}

std::int64_t TextLines::Character(int line, std::size_t column, PositionEncoding encoding) const {
  const std::string_view bytes = Line(line).substr(0, column);
  if (encoding == PositionEncoding::Utf8)
    return static_cast<std::int64_t>(Mark(line) + bytes.size());
  std::int64_t units = Mark(line) > 0 ? 1 : 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length =
        std::min(Utf8Length(static_cast<unsigned char>(bytes[i])), bytes.size() - i);
    units += Utf16Units(length);
    i += length;
  }
  return units;
}

}  // namespace zolt::lsp
