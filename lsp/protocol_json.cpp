// Writing the language features' answers as the protocol's JSON.
#include "protocol_json.h"

namespace zolt::lsp {
namespace {

// The protocol's numbers for kinds of things.
constexpr int kError = 1;
constexpr int kWarning = 2;
constexpr int kFunctionSymbol = 12;
constexpr int kConstantSymbol = 14;
constexpr int kReadHighlight = 2;
constexpr int kWriteHighlight = 3;
constexpr int kFunctionItem = 3;
constexpr int kKeywordItem = 14;
constexpr int kConstantItem = 21;

Json PositionOf(const Document& document, int line, std::size_t column) {
  return {{"line", line}, {"character", document.text.Character(line, column, document.encoding)}};
}

Json RangeOf(const Document& document, const TextSpan& span) {
  return {{"start", PositionOf(document, span.line, span.bytes.start)},
          {"end", PositionOf(document, span.line, span.bytes.end)}};
}

int SymbolKindOf(SymbolRole role) {
  return role == SymbolRole::Label ? kFunctionSymbol : kConstantSymbol;
}

Json EditJson(const Document& document, const TextEdit& edit) {
  return {{"range", RangeOf(document, edit.span)}, {"newText", edit.text}};
}

}  // namespace

Json ToJson(const Document& document, const TextSpan& span) {
  return {{"uri", document.uri}, {"range", RangeOf(document, span)}};
}

Json ToJson(const Document& document, const Problem& problem) {
  Json result = {{"range", RangeOf(document, problem.span)},
                 {"severity", problem.warning ? kWarning : kError},
                 {"source", "zoltasm"},
                 {"message", problem.message}};
  if (!problem.notes.empty()) {
    Json related = Json::array();
    for (const Problem::Note& note : problem.notes) {
      related.push_back({{"location", ToJson(document, note.span)}, {"message", note.message}});
    }
    result["relatedInformation"] = related;
  }
  return result;
}

Json ToJson(const Document& document, const HoverText& hover) {
  return {{"contents", {{"kind", "markdown"}, {"value", hover.markdown}}},
          {"range", RangeOf(document, hover.span)}};
}

// The symbol's range runs from the start of its line to the end of its last.
Json ToJson(const Document& document, const OutlineSymbol& symbol) {
  const int first = symbol.nameSpan.line;
  return {{"name", symbol.name},
          {"detail", symbol.detail},
          {"kind", SymbolKindOf(symbol.role)},
          {"range",
           {{"start", PositionOf(document, first, 0)},
            {"end",
             PositionOf(document, symbol.lastLine, document.text.Line(symbol.lastLine).size())}}},
          {"selectionRange", RangeOf(document, symbol.nameSpan)}};
}

Json ToJson(const Document& document, const FoundSymbol& symbol) {
  return {{"name", symbol.name},
          {"kind", SymbolKindOf(symbol.role)},
          {"location", ToJson(document, symbol.definition)}};
}

Json ToJson(const Document& document, const Highlight& highlight) {
  return {{"range", RangeOf(document, highlight.span)},
          {"kind", highlight.written ? kWriteHighlight : kReadHighlight}};
}

Json ToJson(const Document&, const CompletionItem& item) {
  const int kind = item.kind == ItemKind::Mnemonic ? kKeywordItem
                   : item.kind == ItemKind::Label  ? kFunctionItem
                                                   : kConstantItem;
  return {{"label", item.label}, {"kind", kind}, {"detail", item.detail}};
}

Json ToJson(const Document&, const Signature& signature) {
  return {{"signatures",
           {{{"label", signature.label},
             {"documentation", signature.documentation},
             {"parameters", {{{"label", signature.parameter}}}}}}},
          {"activeSignature", 0},
          {"activeParameter", 0}};
}

// A quick fix names the message it corrects; a rewrite corrects none.
Json ToJson(const Document& document, const CodeAction& action) {
  Json result = {{"title", action.title}};
  if (action.fixes) {
    result["kind"] = "quickfix";
    result["isPreferred"] = true;
    result["diagnostics"] = {ToJson(document, *action.fixes)};
  } else {
    result["kind"] = "refactor.rewrite";
  }
  result["edit"] = {{"changes", {{document.uri, Json::array({EditJson(document, action.edit)})}}}};
  return result;
}

Json ToJson(const Document& document, const RenameTarget& target) {
  return {{"range", RangeOf(document, target.span)}, {"placeholder", target.placeholder}};
}

Json ToJson(const Document&, const Fold& fold) {
  Json range = {{"startLine", fold.first}};
  if (fold.comment) range["kind"] = "comment";
  range["endLine"] = fold.last;
  return range;
}

Json ToJson(const Document& document, const InlayHint& hint) {
  return {{"position", PositionOf(document, hint.line, hint.column)},
          {"label", hint.label},
          {"paddingLeft", true}};
}

Json ToJson(const Document& document, const std::vector<TextEdit>& edits) {
  Json changes = Json::array();
  for (const TextEdit& edit : edits) changes.push_back(EditJson(document, edit));
  return {{"changes", {{document.uri, changes}}}};
}

Json ToJson(const Document& document, const std::vector<SemanticToken>& tokens) {
  Json data = Json::array();
  int lastLine = 0;
  std::int64_t lastStart = 0;
  for (const SemanticToken& token : tokens) {
    const int line = token.span.line;
    const std::int64_t start =
        document.text.Character(line, token.span.bytes.start, document.encoding);
    const std::int64_t end = document.text.Character(line, token.span.bytes.end, document.encoding);
    data.push_back(line - lastLine);
    data.push_back(line == lastLine ? start - lastStart : start);
    data.push_back(end - start);
    data.push_back(token.type);
    data.push_back(token.modifiers);
    lastLine = line;
    lastStart = start;
  }
  return {{"data", data}};
}

// In the order of TokenType and the bits of TokenModifier.
Json SemanticTokensLegend() {
  return {{"tokenTypes", {"keyword", "function", "variable", "number", "comment"}},
          {"tokenModifiers", {"declaration", "data", "ignored"}}};
}

}  // namespace zolt::lsp
