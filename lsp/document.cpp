#include "document.h"

#include "text.h"

namespace zolt::lsp {

// The run is given the URI as the file's path: a run's outcome depends on its
// path only through the last three characters (an output that would replace
// the source), and those are never escaped in a URI.
Document::Document(std::string uri, std::string text, PositionEncoding encoding, Compiler& compiler)
    : uri(std::move(uri)),
      encoding(encoding),
      text(std::move(text)),
      facts(compiler, this->uri, this->text.Text()) {}

const SymbolFact* Document::SymbolAt(Place place) const {
  const std::string_view line = text.Line(place.line);
  const WordSpan span = WordAt(line, place.column);
  if (span.Empty()) return nullptr;
  // Symbols are held as the upper-cased line names them.
  std::string word;
  UpperCase(line.substr(span.start, span.end - span.start), word);
  if (const SymbolFact* symbol = facts.FindSymbol(word)) return symbol;
  if (!word.ends_with(':')) return nullptr;
  word.pop_back();
  const SymbolFact* label = facts.DefinedOn(place.line);
  return label != nullptr && label->name == word ? label : nullptr;
}

WordSpan Document::NameOf(const SymbolFact& symbol) const {
  WordSpan name = FirstWord(text.Line(symbol.line));
  if (symbol.kind == RunObserver::SymbolKind::Label && !name.Empty()) --name.end;
  return name;
}

}  // namespace zolt::lsp
