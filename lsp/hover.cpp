#include <cstdio>
#include <string>

#include "language_features.h"
#include "numbers.h"

namespace zolt::lsp {
namespace {

// A code word as the listing writes it: its 16-bit pattern in upper-case
// hexadecimal without leading zeros.
std::string Hex(std::int16_t code) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%X",
                static_cast<unsigned>(static_cast<std::uint16_t>(code)));
  return digits;
}

std::string Code(const std::string& text) {
  return "`" + text + "`";
}

std::string SymbolText(const Document& document, const SymbolFact& symbol) {
  const bool label = symbol.kind == RunObserver::SymbolKind::Label;
  std::string text =
      "**" + symbol.name + "**: " + (label ? "label at word address " : "EQU, value ") +
      ValueText(symbol.value) + ", defined on line " + std::to_string(symbol.line + 1);
  const SymbolFact* found = document.facts.FindSymbol(symbol.name);
  if (found != &symbol) {
    text += "\n\nnot used: operands take the definition on line " + std::to_string(found->line + 1);
  }
  return text;
}

std::string OperandText(const OperandFact& operand) {
  const bool named = operand.value != operand.word;
  if (operand.instruction == nullptr) {
    return "**data** " + Code(operand.word) + (named ? " = " + operand.value : "");
  }
  switch (operand.instruction->operand) {
    case OperandKind::Relative:
      return "**distance** " + operand.value + (named ? " to " + Code(operand.word) : "");
    case OperandKind::Block:
      return "**count** " + operand.value;
    default:
      return "**operand** " + Code(operand.word) + (named ? " = " + operand.value : "");
  }
}

// A statement as the listing shows it: its word address and code words, and
// what its operand came to.
std::string StatementText(const LineFacts& facts) {
  std::string text;
  if (facts.words) {
    std::string words = Hex(facts.words->code);
    if (facts.words->code2) words.append(" ").append(Hex(*facts.words->code2));
    text.append("**address** ").append(std::to_string(facts.words->address));
    text.append(" · **code** ").append(Code(words));
  }
  if (facts.operand) {
    if (!text.empty()) text.append("\n\n");
    text.append(OperandText(*facts.operand));
  }
  return text;
}

}  // namespace

Json Hover(const Document& document, Place place) {
  std::string text;
  WordSpan span{0, document.text.Line(place.line).size()};
  if (const SymbolFact* symbol = document.SymbolAt(place)) {
    text = SymbolText(document, *symbol);
    span = WordAt(document.text.Line(place.line), place.column);
  } else if (const LineFacts* facts = document.facts.Line(place.line)) {
    text = StatementText(*facts);
  }
  if (text.empty()) return nullptr;
  return {{"contents", {{"kind", "markdown"}, {"value", text}}},
          {"range", RangeOf(document, place.line, span)}};
}

}  // namespace zolt::lsp
