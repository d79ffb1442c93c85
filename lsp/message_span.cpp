// Where an editor shows a message of a run.
#include "message_span.h"

#include <algorithm>

namespace zolt::lsp {

MessageSpan SpanOf(const TextLines& text, const Location& where) {
  const int line = std::clamp(where.line, 1, std::max(1, text.Count())) - 1;
  if (where.length == 0) return {line, {0, text.Line(line).size()}};
  return {line, {where.start, std::size_t{where.start} + where.length}};
}

}  // namespace zolt::lsp
