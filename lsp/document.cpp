// An open buffer: its text, its run, and the symbol a place names.
#include "document.h"

#include <utility>

namespace zolt::lsp {

// The run is given the URI as the file's path: a run's outcome depends on its
// path only through the last three characters (an output that would replace
// the source), and those are never escaped in a URI.
Document::Document(std::string uri, std::string text, PositionEncoding encoding, Compiler& compiler)
    : uri(std::move(uri)),
      encoding(encoding),
      text(std::move(text)),
      facts(compiler, this->uri, this->text) {}

// Only the words the run read as names count: an operand, a data word and a
// definition's name, not a word in a comment or one ignored after the operand.
const SymbolFact* Document::SymbolAt(Place place) const {
  const WordSpan span = WordAt(text.Line(place.line), place.column);
  if (span.Empty()) return nullptr;
  const LineFacts* line = facts.Line(place.line);
  if (line != nullptr && line->operand && line->operand->column == span.start) {
    return facts.FindSymbol(line->operand->word);
  }
  const SymbolFact* defined = facts.DefinedOn(place.line);
  return defined != nullptr && NameOf(*defined).start == span.start ? defined : nullptr;
}

WordSpan Document::NameOf(const SymbolFact& symbol) const {
  WordSpan name = FirstWord(text.Line(symbol.line));
  if (symbol.kind == RunObserver::SymbolKind::Label && !name.Empty()) --name.end;
  return name;
}

}  // namespace zolt::lsp
