// Reading a request's places: positions and ranges, and the parameters that make no sense.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "document.h"

namespace zolt::lsp {

using Json = nlohmann::json;

// Parameters of the right JSON types that still make no sense to the server.
class InvalidParams : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The places a client's request names, in the document's bytes.
Place PlaceOf(const Document& document, const Json& position);
// The lines a client's range touches, both ends included and within the text.
LineSpan LinesOf(const Document& document, const Json& range);

}  // namespace zolt::lsp
