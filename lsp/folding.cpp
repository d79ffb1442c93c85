// Folding ranges: a BOUT block, its header with its data lines, and each run
// of comment lines.
#include "language_features.h"

namespace zolt::lsp {
namespace {

bool IsCommentLine(std::string_view line) {
  const WordSpan first = FirstWord(line);
  return !first.Empty() && line[first.start] == ';';
}

bool IsDataLine(const LineFacts* facts) {
  return facts != nullptr && facts->operand && facts->operand->instruction == nullptr;
}

}  // namespace

std::vector<Fold> FoldingRanges(const Document& document) {
  std::vector<Fold> ranges;
  const int count = document.text.Count();
  for (int line = 0; line < count;) {
    int last = line;
    const bool comment = IsCommentLine(document.text.Line(line));
    if (comment) {
      while (last + 1 < count && IsCommentLine(document.text.Line(last + 1))) ++last;
    } else if (const LineFacts* facts = document.facts.Line(line);
               facts != nullptr && facts->operand && facts->operand->instruction != nullptr &&
               facts->operand->instruction->operand == OperandKind::Block) {
      while (IsDataLine(document.facts.Line(last + 1))) ++last;
    }
    if (last > line) ranges.push_back({line, last, comment});
    line = last + 1;
  }
  return ranges;
}

}  // namespace zolt::lsp
