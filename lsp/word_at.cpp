// Finding the word that holds a column of a line.
#include "word_at.h"

#include <algorithm>

#include "text.h"

namespace zolt::lsp {

WordSpan WordAt(std::string_view line, std::size_t column) {
  column = std::min(column, line.size());
  std::size_t start = column;
  while (start > 0 && !IsBlank(line[start - 1])) --start;
  return {start, FindBlank(line, column)};
}

WordSpan FirstWord(std::string_view line) {
  return NextWord(line, {});
}

WordSpan NextWord(std::string_view line, WordSpan word) {
  const std::size_t start = FindNonBlank(line, word.end);
  return {start, FindBlank(line, start)};
}

}  // namespace zolt::lsp
