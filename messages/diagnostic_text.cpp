// GCC's form of a diagnostic: where, what kind, what.
#include "diagnostic_text.h"

#include "catalog.h"
#include "quote.h"

namespace zolt {
namespace {

// GCC's words for the kinds, and its translations of them.
const char* KindText(Severity severity) {
  switch (severity) {
    case Severity::Fatal:
      return Tr("fatal error: ");
    case Severity::Error:
      return Tr("error: ");
    case Severity::Warning:
      return Tr("warning: ");
    case Severity::Note:
      return Tr("note: ");
  }
  return "";
}

void AppendLine(std::string& text, std::string_view source, const Diagnostic& diagnostic) {
  text += Escaped(source);
  if (diagnostic.where.line > 0) {
    text +=
        ':' + std::to_string(diagnostic.where.line) + ':' + std::to_string(diagnostic.where.column);
  }
  text += ": ";
  text += KindText(diagnostic.severity);
  text += Render(diagnostic.message);
  text += '\n';
}

}  // namespace

std::string DiagnosticText(std::string_view source, const Diagnostic& diagnostic) {
  std::string text;
  AppendLine(text, source, diagnostic);
  for (const Diagnostic& note : diagnostic.notes) AppendLine(text, source, note);
  return text;
}

}  // namespace zolt
