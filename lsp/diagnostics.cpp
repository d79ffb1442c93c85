// The diagnostics an editor shows: what a run of the buffer says, in the
// editor's language, each on the word it is about.
#include "catalog.h"
#include "language_features.h"
#include "message_span.h"

namespace zolt::lsp {
namespace {

TextSpan SpanFor(const Document& document, const Location& where) {
  const MessageSpan span = SpanOf(document.text, where);
  return {span.line, span.bytes};
}

}  // namespace

Problem ProblemOf(const Document& document, const Diagnostic& diagnostic) {
  Problem problem{SpanFor(document, diagnostic.where),
                  diagnostic.severity == Severity::Warning,
                  Render(diagnostic.message),
                  {}};
  for (const Diagnostic& note : diagnostic.notes) {
    problem.notes.push_back({SpanFor(document, note.where), Render(note.message)});
  }
  return problem;
}

// The messages are those of the command line.
std::vector<Problem> Diagnostics(const Document& document) {
  std::vector<Problem> diagnostics;
  for (const Diagnostic& diagnostic : document.facts.Said()) {
    diagnostics.push_back(ProblemOf(document, diagnostic));
  }
  const RunOutcome& outcome = document.facts.Outcome();
  if (!outcome.completed) diagnostics.push_back(ProblemOf(document, outcome.failure));
  return diagnostics;
}

}  // namespace zolt::lsp
