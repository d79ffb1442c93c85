// Navigation: definitions, references and their highlights, the outline and
// the symbols of every open document.
#include <algorithm>

#include "language_features.h"
#include "symbol_detail.h"
#include "text.h"

namespace zolt::lsp {
namespace {

// The kinds the outline shows: a label marks a place in the code, an EQU
// name stands for a value.
constexpr int kFunctionSymbol = 12;
constexpr int kConstantSymbol = 14;
// The protocol's kinds of highlight: where a name is read, where written.
constexpr int kReadHighlight = 2;
constexpr int kWriteHighlight = 3;

int KindOf(const SymbolFact& symbol) {
  return symbol.kind == RunObserver::SymbolKind::Label ? kFunctionSymbol : kConstantSymbol;
}

// Where a symbol's part of the program ends: a label's code runs up to the
// next label, or the end of the text; an EQU name is its line.
int LastLineOf(const Document& document, const SymbolFact& symbol) {
  if (symbol.kind != RunObserver::SymbolKind::Label) return symbol.line;
  int next = document.text.Count();
  for (const SymbolFact& other : document.facts.Symbols()) {
    if (other.kind == RunObserver::SymbolKind::Label && other.line > symbol.line) {
      next = std::min(next, other.line);
    }
  }
  return next - 1;
}

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
    symbols.push_back(
        {{"name", symbol.name},
         {"detail", SymbolDetail(symbol)},
         {"kind", KindOf(symbol)},
         {"range", LinesRangeOf(document, symbol.line, LastLineOf(document, symbol))},
         {"selectionRange", RangeOf(document, symbol.line, document.NameOf(symbol))}});
  }
  return symbols;
}

// The definition the run's lookups take, and every operand that names it.
Json Highlights(const Document& document, Place place) {
  Json highlights = Json::array();
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) return highlights;
  const SymbolFact& first = FirstDefinition(document, *symbol);
  highlights.push_back({{"range", RangeOf(document, first.line, document.NameOf(first))},
                        {"kind", kWriteHighlight}});
  for (const int line : document.facts.Uses(symbol->name)) {
    const OperandFact& operand = *document.facts.Line(line)->operand;
    highlights.push_back(
        {{"range", RangeOf(document, line, {operand.column, operand.column + operand.word.size()})},
         {"kind", kReadHighlight}});
  }
  return highlights;
}

// The symbols whose names hold the query, in any letter case, as operands
// take them: the first definition of each name.
void WorkspaceSymbols(const Document& document, std::string_view query, Json& into) {
  std::string wanted;
  UpperCase(query, wanted);
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    if (document.facts.FindSymbol(symbol.name) != &symbol) continue;
    if (symbol.name.find(wanted) == std::string::npos) continue;
    into.push_back({{"name", symbol.name},
                    {"kind", KindOf(symbol)},
                    {"location", DefinitionOf(document, symbol)}});
  }
}

}  // namespace zolt::lsp
