// GCC's form of a diagnostic: where, what kind, what.
#include "diagnostic_text.h"

#include <cstddef>
#include <iterator>

#include "catalog.h"
#include "quote.h"

namespace zolt {
namespace {

// GCC's words for each kind, in the order of Severity: alone, as a column
// names a row's kind, and leading a diagnostic's text (the two translated
// apart, as GCC's catalogs do: Chinese writes its own colon).
struct KindWords {
  const char* alone;
  const char* leading;
};
constexpr KindWords kKindWords[] = {
    {N_("fatal error"), N_("fatal error: ")},
    {N_("error"), N_("error: ")},
    {N_("warning"), N_("warning: ")},
    {N_("note"), N_("note: ")},
};
static_assert(std::size(kKindWords) == static_cast<std::size_t>(Severity::Note) + 1);

const KindWords& WordsOf(Severity severity) {
  return kKindWords[static_cast<std::size_t>(severity)];
}

void AppendLine(std::string& text, std::string_view source, const Diagnostic& diagnostic) {
  text += Escaped(source);
  if (diagnostic.where.line > 0) {
    text +=
        ':' + std::to_string(diagnostic.where.line) + ':' + std::to_string(diagnostic.where.column);
  }
  text += ": ";
  text += Tr(WordsOf(diagnostic.severity).leading);
  text += Render(diagnostic.message);
  text += '\n';
}

}  // namespace

const char* KindWord(Severity severity) {
  return Tr(WordsOf(severity).alone);
}

std::string DiagnosticText(std::string_view source, const Diagnostic& diagnostic) {
  std::string text;
  AppendLine(text, source, diagnostic);
  for (const Diagnostic& note : diagnostic.notes) AppendLine(text, source, note);
  return text;
}

}  // namespace zolt
