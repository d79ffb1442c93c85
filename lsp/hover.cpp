// Hover: a statement as the listing shows it, and the symbol an operand names
// or a line defines.
#include <string>

#include "catalog.h"
#include "language_features.h"
#include "listing_words.h"
#include "numbers.h"
#include "operand_range.h"

namespace zolt::lsp {
namespace {

std::string Code(const std::string& text) {
  return "`" + text + "`";
}

std::string SymbolText(const Document& document, const SymbolFact& symbol) {
  const std::string line = std::to_string(symbol.line + 1);
  std::string text = symbol.kind == RunObserver::SymbolKind::Label
                         ? Render(Message("**%s**: label at word address %s, defined on line %s",
                                          symbol.name, ValueText(symbol.value), line))
                         : Render(Message("**%s**: EQU, value %s, defined on line %s", symbol.name,
                                          ValueText(symbol.value), line));
  const SymbolFact* found = document.facts.FindSymbol(symbol.name);
  if (found != &symbol) {
    text += "\n\n" + Render(Message("not used: operands take the definition on line %s",
                                    std::to_string(found->line + 1)));
  }
  return text;
}

// What the operand came to, the values it may take, and the bound used in
// place of a value outside them.
std::string OperandText(const OperandFact& operand) {
  const bool named = operand.value != operand.word;
  const std::string written = Code(operand.word) + (named ? " = " + operand.value : "");
  std::string text;
  std::string range;
  if (operand.instruction == nullptr) {
    text = Render(Message("**data** %s", written));
    range = RangeText(kBlockDataLow, kBlockDataHigh);
  } else {
    range = OperandRange(*operand.instruction);
    switch (operand.instruction->operand) {
      case OperandKind::Relative:
        text = named ? Render(Message("**distance** %s to %s", operand.value, Code(operand.word)))
                     : Render(Message("**distance** %s", operand.value));
        break;
      case OperandKind::Block:
        text = Render(Message("**count** %s", written));
        break;
      default:
        text = Render(Message("**operand** %s", written));
    }
  }
  text.append(" · ").append(Render(Message("range %s", range)));
  if (operand.used) {
    text.append(" · ").append(Render(Message("%s used", std::to_string(*operand.used))));
  }
  return text;
}

// A statement as the listing shows it: its word address and code words, and
// what its operand came to.
std::string StatementText(const LineFacts& facts) {
  std::string text;
  if (facts.words) {
    text = Render(Message("**address** %s · **code** %s", std::to_string(facts.words->address),
                          Code(CodeWords(*facts.words))));
  }
  if (facts.operand) {
    if (!text.empty()) text.append("\n\n");
    text.append(OperandText(*facts.operand));
  }
  return text;
}

// The statement's words on its line, from its first word to its operand: a
// comment and ignored words after them are not part of it.
WordSpan StatementSpan(std::string_view line, const LineFacts& facts) {
  WordSpan span = FirstWord(line);
  if (facts.operand) span.end = facts.operand->column + facts.operand->word.size();
  return span;
}

bool Within(WordSpan span, std::size_t column) {
  return span.start <= column && column <= span.end;
}

}  // namespace

std::optional<HoverText> Hover(const Document& document, Place place) {
  const std::string_view line = document.text.Line(place.line);
  const LineFacts* facts = document.facts.Line(place.line);
  std::string text;
  WordSpan span;
  if (facts != nullptr && (facts->words || facts->operand)) {
    span = StatementSpan(line, *facts);
    if (Within(span, place.column)) text = StatementText(*facts);
  }
  if (const SymbolFact* symbol = document.SymbolAt(place)) {
    if (!text.empty()) text.append("\n\n---\n\n");
    text.append(SymbolText(document, *symbol));
    span = WordAt(line, place.column);
  }
  if (text.empty()) return std::nullopt;
  return HoverText{text, {place.line, span}};
}

}  // namespace zolt::lsp
