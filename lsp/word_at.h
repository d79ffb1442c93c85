// The word under the editor's cursor.
#pragma once

#include <cstddef>
#include <string_view>

namespace zolt::lsp {

// Bytes [start, end) of a line.
struct WordSpan {
  std::size_t start = 0;
  std::size_t end = 0;

  bool Empty() const { return start == end; }
};

// The word under the cursor at a byte column: the one that holds the column or
// ends right before it, words being what the compiler separates by its
// blanks. Empty when there is a blank on both sides of the column.
WordSpan WordAt(std::string_view line, std::size_t column);

// The first word of a line, the one the compiler classifies the line by.
WordSpan FirstWord(std::string_view line);

// The word that follows a span, after its blanks (empty at the line's end).
WordSpan NextWord(std::string_view line, WordSpan word);

}  // namespace zolt::lsp
