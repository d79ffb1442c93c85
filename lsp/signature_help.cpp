// Signature help: after a mnemonic, what its operand is and the values it
// may take, and for a relative jump the word addresses it can reach.
#include <algorithm>
#include <optional>

#include "catalog.h"
#include "language_features.h"
#include "operand_range.h"
#include "text.h"

namespace zolt::lsp {
namespace {

std::string ParameterName(const Instruction& row) {
  switch (row.operand) {
    case OperandKind::Relative:
      return Tr("distance");
    case OperandKind::Block:
      return Tr("count");
    default:
      return row.jumps ? Tr("word address") : Tr("operand");
  }
}

// The word address of a line: the one the run listed for it, else (a line
// being typed, which the run could not take) the address after the last
// line listed above it.
std::optional<std::int32_t> AddressOf(const Document& document, int line) {
  for (int above = line; above >= 0; --above) {
    const LineFacts* facts = document.facts.Line(above);
    if (facts == nullptr || !facts->words) continue;
    const std::int32_t address = facts->words->address;
    if (above == line) return address;
    return address + (facts->words->code2 ? 2 : 1);
  }
  return line >= 0 ? std::optional<std::int32_t>(0) : std::nullopt;
}

}  // namespace

std::optional<Signature> SignatureHelp(const Document& document, Place place) {
  const std::string_view line = document.text.Line(place.line);
  const WordSpan first = FirstWord(line);
  if (first.Empty() || place.column <= first.end) return std::nullopt;
  const WordSpan operand = NextWord(line, first);
  if (!operand.Empty() && (place.column > operand.end || line[operand.start] == ';')) {
    return std::nullopt;
  }
  std::string mnemonic;
  UpperCase(line.substr(first.start, first.end - first.start), mnemonic);
  const Instruction* row = FindInstruction(mnemonic);
  if (row == nullptr || !row->TakesOperand()) return std::nullopt;
  const std::string parameter = ParameterName(*row);
  std::string documentation = InstructionSummary(*row);
  const std::optional<std::int32_t> address = AddressOf(document, place.line);
  if (row->operand == OperandKind::Relative && address) {
    // No address is below 0.
    documentation +=
        "\n\n" +
        Render(Message("from word address %s it reaches %s", std::to_string(*address),
                       RangeText(static_cast<float>(std::max(0, row->Target(*address, row->low))),
                                 static_cast<float>(row->Target(*address, row->high)))));
  }
  return Signature{std::string(row->mnemonic) + " " + parameter, documentation, parameter};
}

}  // namespace zolt::lsp
