// The editor's requests on a document's latest run, one function a feature.
#pragma once

#include "document.h"
#include "protocol.h"

namespace zolt::lsp {

// What the editor shows of a document's latest run; each returns the result
// the protocol expects for its request (or the diagnostics of a
// textDocument/publishDiagnostics notification).
Json Diagnostics(const Document& document);
// One of the run's messages as the protocol's diagnostic.
Json DiagnosticJson(const Document& document, const Diagnostic& diagnostic);
Json Hover(const Document& document, Place place);
Json Definition(const Document& document, Place place);
Json References(const Document& document, Place place, bool withDefinition);
Json DocumentSymbols(const Document& document);
Json Completion(const Document& document, Place place);
Json Highlights(const Document& document, Place place);
Json SignatureHelp(const Document& document, Place place);
Json SemanticTokens(const Document& document);
// Quick fixes for the run's messages on the lines, and rewrites of the
// number at the cursor.
Json CodeActions(const Document& document, LineSpan lines, Place cursor);
// The token types and modifiers SemanticTokens numbers.
Json SemanticTokensLegend();
Json PrepareRename(const Document& document, Place place);
Json Rename(const Document& document, Place place, std::string_view name);
Json FoldingRanges(const Document& document);
// Adds the document's symbols that match a workspace/symbol query.
void WorkspaceSymbols(const Document& document, std::string_view query, Json& into);
Json InlayHints(const Document& document, LineSpan lines);

}  // namespace zolt::lsp
