#include <string>

#include "language_features.h"
#include "numbers.h"
#include "text.h"

namespace zolt::lsp {
namespace {

constexpr int kFunctionItem = 3;
constexpr int kKeywordItem = 14;
constexpr int kConstantItem = 21;

// The accepted operands; a scaled operand is written in units of `unit`.
std::string Range(const Instruction& row, float unit) {
  return ValueText(static_cast<float>(row.low) / unit) + " to " +
         ValueText(static_cast<float>(row.high) / unit);
}

// What the instruction table says of a mnemonic, in a line.
std::string Summary(const Instruction& row) {
  const std::string words = row.words == 1 ? "1 word" : "2 words";
  switch (row.operand) {
    case OperandKind::Integer:
      return words + ", operand " + Range(row, 1);
    case OperandKind::Scaled:
      return words + ", operand " + Range(row, 10000);
    case OperandKind::Relative:
      return words + ", distance " + Range(row, 1);
    case OperandKind::Block:
      return "1 + n words, n data lines follow (n " + Range(row, 1) + ")";
    case OperandKind::None:
    case OperandKind::End:
      break;
  }
  return words;
}

Json Mnemonics() {
  Json items = Json::array();
  for (const Instruction& row : Instructions()) {
    items.push_back(
        {{"label", std::string(row.mnemonic)}, {"kind", kKeywordItem}, {"detail", Summary(row)}});
  }
  return items;
}

Json SymbolNames(const Document& document) {
  Json items = Json::array();
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    // A name defined twice is offered once, with the value operands take.
    if (document.facts.FindSymbol(symbol.name) != &symbol) continue;
    const bool label = symbol.kind == RunObserver::SymbolKind::Label;
    items.push_back({{"label", symbol.name},
                     {"kind", label ? kFunctionItem : kConstantItem},
                     {"detail", (label ? "label at " : "EQU ") + ValueText(symbol.value)}});
  }
  return items;
}

// An operand is a symbol only for the statements whose operand may name one.
bool TakesSymbol(std::string_view firstWord) {
  std::string mnemonic;
  UpperCase(firstWord, mnemonic);
  const Instruction* row = FindInstruction(mnemonic);
  return row != nullptr &&
         (row->operand == OperandKind::Integer || row->operand == OperandKind::Scaled ||
          row->operand == OperandKind::Relative);
}

}  // namespace

// Mnemonics while the first word of a line is typed, symbols while the
// operand after a mnemonic is.
Json Completion(const Document& document, Place place) {
  const std::string_view line = document.text.Line(place.line);
  const WordSpan first = FirstWord(line);
  if (place.column <= first.end) return Mnemonics();
  const WordSpan operand = NextWord(line, first);
  const bool inOperand = place.column <= operand.end || operand.Empty();
  if (inOperand && TakesSymbol(line.substr(first.start, first.end - first.start))) {
    return SymbolNames(document);
  }
  return Json::array();
}

}  // namespace zolt::lsp
