#include "language_features.h"
#include "symbol_detail.h"

namespace zolt::lsp {
namespace {

// The kinds the outline shows: a label marks a place in the code, an EQU
// name stands for a value.
constexpr int kFunctionSymbol = 12;
constexpr int kConstantSymbol = 14;

Json DefinitionOf(const Document& document, const SymbolFact& symbol) {
  return LocationOf(document, symbol.line, document.NameOf(symbol));
}

// Operands take the first definition of a name.
const SymbolFact& FirstDefinition(const Document& document, const SymbolFact& symbol) {
  return *document.facts.FindSymbol(symbol.name);
}

}  // namespace

Json Definition(const Document& document, Place place) {
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) return nullptr;
  return DefinitionOf(document, FirstDefinition(document, *symbol));
}

// Every operand and data line that names the symbol, as the run read them.
Json References(const Document& document, Place place, bool withDefinition) {
  Json locations = Json::array();
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) return locations;
  if (withDefinition)
    locations.push_back(DefinitionOf(document, FirstDefinition(document, *symbol)));
  for (const int line : document.facts.Uses(symbol->name)) {
    const OperandFact& operand = *document.facts.Line(line)->operand;
    locations.push_back(
        LocationOf(document, line, {operand.column, operand.column + operand.word.size()}));
  }
  return locations;
}

Json DocumentSymbols(const Document& document) {
  Json symbols = Json::array();
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    const bool label = symbol.kind == RunObserver::SymbolKind::Label;
    symbols.push_back(
        {{"name", symbol.name},
         {"detail", SymbolDetail(symbol)},
         {"kind", label ? kFunctionSymbol : kConstantSymbol},
         {"range", LineRangeOf(document, symbol.line)},
         {"selectionRange", RangeOf(document, symbol.line, document.NameOf(symbol))}});
  }
  return symbols;
}

}  // namespace zolt::lsp
