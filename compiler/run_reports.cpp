// The compile context's reports to an attached run observer.
#include "compiler.h"
#include "text.h"

namespace zolt {

void Compiler::ReportLabel() {
  Observer->SymbolDefined(std::string_view(Word1).substr(0, Word1.size() - 1),
                          static_cast<float>(Address), RunObserver::SymbolKind::Label,
                          lineIndex_ + 1);
}

void Compiler::ReportOperand(std::string_view value, const Instruction* instruction) {
  // The prepared line and its cut-down copies only ever lose characters at
  // the front, so what is left ends where the source line ends.
  const std::size_t column = SourceLine(lineIndex_).size() - LineText.size();
  const std::string_view word = std::string_view(LineText).substr(0, FindBlank(LineText));
  Observer->OperandRead({lineIndex_ + 1, column, word, value, instruction});
}

}  // namespace zolt
