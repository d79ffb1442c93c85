// The values an operand accepts, from the instruction table's bounds.
#include "operand_range.h"

#include "catalog.h"
#include "numbers.h"

namespace zolt::lsp {

std::string OperandRange(const Instruction& row) {
  return RangeText(row.InUnits(row.low), row.InUnits(row.high));
}

std::string InstructionSummary(const Instruction& row) {
  const std::string words = row.words == 1 ? Tr("1 word") : Tr("2 words");
  switch (row.operand) {
    case OperandKind::Integer:
    case OperandKind::Scaled:
      return Render(Message("%s, operand %s", words, OperandRange(row)));
    case OperandKind::Relative:
      return Render(Message("%s, distance %s", words, OperandRange(row)));
    case OperandKind::Block:
      return Render(Message("1 + n words, n data lines follow (n %s)", OperandRange(row)));
    case OperandKind::None:
    case OperandKind::End:
      break;
  }
  return words;
}

std::string RangeText(float low, float high) {
  return Render(Message("%s to %s", ValueText(low), ValueText(high)));
}

}  // namespace zolt::lsp
