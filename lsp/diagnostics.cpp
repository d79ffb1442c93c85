// The diagnostics an editor shows: what a run of the buffer says, in the
// editor's language, each on the word it is about.
#include "catalog.h"
#include "language_features.h"
#include "message_span.h"

namespace zolt::lsp {
namespace {

// The protocol's severities.
constexpr int kError = 1;
constexpr int kWarning = 2;

Json RangeFor(const Document& document, const Location& where) {
  const MessageSpan span = SpanOf(document.text, where);
  return RangeOf(document, span.line, span.bytes);
}

}  // namespace

Json DiagnosticJson(const Document& document, const Diagnostic& diagnostic) {
  Json related = Json::array();
  for (const Diagnostic& note : diagnostic.notes) {
    related.push_back(
        {{"location", {{"uri", document.uri}, {"range", RangeFor(document, note.where)}}},
         {"message", Render(note.message)}});
  }
  Json result = {{"range", RangeFor(document, diagnostic.where)},
                 {"severity", diagnostic.severity == Severity::Warning ? kWarning : kError},
                 {"source", "zoltasm"},
                 {"message", Render(diagnostic.message)}};
  if (!related.empty()) result["relatedInformation"] = related;
  return result;
}

// The messages are those of the command line: the lines in error and the
// warnings, then the one failure of a run that stopped.
Json Diagnostics(const Document& document) {
  Json diagnostics = Json::array();
  for (const Diagnostic& diagnostic : document.facts.Said()) {
    diagnostics.push_back(DiagnosticJson(document, diagnostic));
  }
  const RunOutcome& outcome = document.facts.Outcome();
  if (!outcome.completed) diagnostics.push_back(DiagnosticJson(document, outcome.failure));
  return diagnostics;
}

}  // namespace zolt::lsp
