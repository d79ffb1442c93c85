#include <algorithm>

#include "language_features.h"

namespace zolt::lsp {
namespace {

constexpr int kError = 1;

Json DiagnosticOn(const Document& document, int line, const std::string& message) {
  return {{"range", LineRangeOf(document, line)},
          {"severity", kError},
          {"source", "zoltasm"},
          {"message", message}};
}

}  // namespace

// The messages are those of the command line: a line in error with its
// causes, or the one failure of a run that stopped, at its line (the first
// when it belongs to none).
Json Diagnostics(const Document& document) {
  Json diagnostics = Json::array();
  const RunOutcome& outcome = document.facts.Outcome();
  if (!outcome.completed) {
    const int line = std::clamp(outcome.line.value_or(1), 1, document.text.Count()) - 1;
    diagnostics.push_back(DiagnosticOn(document, line, "文件不能打开! " + outcome.cause));
    return diagnostics;
  }
  for (const Diagnostic& diagnostic : document.facts.LinesInError()) {
    diagnostics.push_back(DiagnosticOn(document, diagnostic.line - 1, diagnostic.cause));
  }
  return diagnostics;
}

}  // namespace zolt::lsp
