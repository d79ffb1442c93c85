// An open document: its text, how its client counts characters, and the run of its latest text.
#pragma once

#include <string>

#include "analysis.h"
#include "compiler.h"
#include "text_lines.h"
#include "word_at.h"

namespace zolt::lsp {

// A place in a document: a 0-based line and a byte column on it.
struct Place {
  int line;
  std::size_t column;
};

// Lines `first` to `last` of a document, both included.
struct LineSpan {
  int first;
  int last;
};

// An open buffer of the editor and the run made of its latest text.
struct Document {
  Document(std::string uri, std::string text, PositionEncoding encoding, Compiler& compiler);

  // The symbol named by the word at a place: a use of it, or its definition.
  const SymbolFact* SymbolAt(Place place) const;
  // Where a definition names its symbol on its line (a label without its ":").
  WordSpan NameOf(const SymbolFact& symbol) const;

  std::string uri;
  PositionEncoding encoding;
  TextLines text;
  Analysis facts;
};

}  // namespace zolt::lsp
