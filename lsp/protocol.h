// The JSON-RPC and LSP pieces the server shares: positions, ranges and parameter checks.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "document.h"
#include "word_at.h"

namespace zolt::lsp {

using Json = nlohmann::json;

// Parameters of the right JSON types that still make no sense to the server.
class InvalidParams : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A request the server understands but turns down, with the reason to show
// the user (a rename to a name that is taken).
class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The protocol's shapes of places: reading a client's position, writing
// positions, ranges and locations of a document.
Place PlaceOf(const Document& document, const Json& position);
// The lines a client's range touches, both ends included and within the text.
struct LineSpan {
  int first;
  int last;
};
LineSpan LinesOf(const Document& document, const Json& range);
Json RangeOf(const Document& document, int line, WordSpan span);
Json LineRangeOf(const Document& document, int line);
// From the start of the first line to the end of the last.
Json LinesRangeOf(const Document& document, int first, int last);
Json LocationOf(const Document& document, int line, WordSpan span);

}  // namespace zolt::lsp
