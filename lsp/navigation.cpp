// Navigation: definitions, references and their highlights, the outline and
// the symbols of every open document.
#include <algorithm>

#include "language_features.h"
#include "symbol_detail.h"
#include "text.h"

namespace zolt::lsp {
namespace {

SymbolRole RoleOf(const SymbolFact& symbol) {
  return symbol.kind == RunObserver::SymbolKind::Label ? SymbolRole::Label : SymbolRole::Value;
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

TextSpan DefinitionOf(const Document& document, const SymbolFact& symbol) {
  return {symbol.line, document.NameOf(symbol)};
}

TextSpan OperandOn(const Document& document, int line) {
  const OperandFact& operand = *document.facts.Line(line)->operand;
  return {line, {operand.column, operand.column + operand.word.size()}};
}

// Operands take the first definition of a name.
const SymbolFact& FirstDefinition(const Document& document, const SymbolFact& symbol) {
  return *document.facts.FindSymbol(symbol.name);
}

}  // namespace

std::optional<TextSpan> Definition(const Document& document, Place place) {
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) return std::nullopt;
  return DefinitionOf(document, FirstDefinition(document, *symbol));
}

// Every operand and data line that names the symbol, as the run read them.
std::vector<TextSpan> References(const Document& document, Place place, bool withDefinition) {
  std::vector<TextSpan> locations;
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) return locations;
  if (withDefinition)
    locations.push_back(DefinitionOf(document, FirstDefinition(document, *symbol)));
  for (const int line : document.facts.Uses(symbol->name)) {
    locations.push_back(OperandOn(document, line));
  }
  return locations;
}

std::vector<OutlineSymbol> DocumentSymbols(const Document& document) {
  std::vector<OutlineSymbol> symbols;
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    symbols.push_back({symbol.name, SymbolDetail(symbol), RoleOf(symbol),
                       LastLineOf(document, symbol), DefinitionOf(document, symbol)});
  }
  return symbols;
}

// The definition the run's lookups take, and every operand that names it.
std::vector<Highlight> Highlights(const Document& document, Place place) {
  std::vector<Highlight> highlights;
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) return highlights;
  highlights.push_back({DefinitionOf(document, FirstDefinition(document, *symbol)), true});
  for (const int line : document.facts.Uses(symbol->name)) {
    highlights.push_back({OperandOn(document, line), false});
  }
  return highlights;
}

// The symbols whose names hold the query, in any letter case, as operands
// take them: the first definition of each name.
std::vector<FoundSymbol> WorkspaceSymbols(const Document& document, std::string_view query) {
  std::vector<FoundSymbol> found;
  std::string wanted;
  UpperCase(query, wanted);
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    if (document.facts.FindSymbol(symbol.name) != &symbol) continue;
    if (symbol.name.find(wanted) == std::string::npos) continue;
    found.push_back({symbol.name, RoleOf(symbol), DefinitionOf(document, symbol)});
  }
  return found;
}

}  // namespace zolt::lsp
