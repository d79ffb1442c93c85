// The protocol's JSON of what the language features answer: the one place
// the server writes positions, ranges and the shapes of its replies.
#pragma once

#include <optional>
#include <vector>

#include "language_features.h"
#include "protocol.h"

namespace zolt::lsp {

// Each in the client's units of the document's encoding. A span alone is a
// location (definitions, references).
Json ToJson(const Document& document, const TextSpan& span);
Json ToJson(const Document& document, const Problem& problem);
Json ToJson(const Document& document, const HoverText& hover);
Json ToJson(const Document& document, const OutlineSymbol& symbol);
Json ToJson(const Document& document, const FoundSymbol& symbol);
Json ToJson(const Document& document, const Highlight& highlight);
Json ToJson(const Document& document, const CompletionItem& item);
Json ToJson(const Document& document, const Signature& signature);
Json ToJson(const Document& document, const CodeAction& action);
Json ToJson(const Document& document, const RenameTarget& target);
Json ToJson(const Document& document, const Fold& fold);
Json ToJson(const Document& document, const InlayHint& hint);
// A rename's edits, as one change of the document.
Json ToJson(const Document& document, const std::vector<TextEdit>& edits);
// The tokens as five numbers each: line and start relative to the token
// before, length, type and modifiers.
Json ToJson(const Document& document, const std::vector<SemanticToken>& tokens);
// The token types and modifiers the numbers above stand for.
Json SemanticTokensLegend();

// A list as an array, nothing as null.
template <typename T>
Json ToJson(const Document& document, const std::vector<T>& items) {
  Json array = Json::array();
  for (const T& item : items) array.push_back(ToJson(document, item));
  return array;
}

template <typename T>
Json ToJson(const Document& document, const std::optional<T>& item) {
  return item ? ToJson(document, *item) : Json();
}

}  // namespace zolt::lsp
