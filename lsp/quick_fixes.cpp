// The corrections a run's messages spell out, each with its title.
#include "quick_fixes.h"

#include "catalog.h"
#include "quote.h"

namespace zolt::lsp {

std::vector<QuickFix> QuickFixes(const Analysis& facts, const TextLines& text) {
  std::vector<QuickFix> fixes;
  const auto offer = [&](const Diagnostic& diagnostic) {
    const std::optional<Fix>& fix = diagnostic.fix;
    if (!fix) return;
    const int line = diagnostic.where.line - 1;
    const std::string_view old = text.Line(line).substr(fix->start, fix->length);
    fixes.push_back({&diagnostic,
                     line,
                     {fix->start, fix->start + fix->length},
                     fix->text,
                     Render(Message("Replace '%s' with '%s'", Shown(old), Shown(fix->text)))});
  };
  for (const Diagnostic& diagnostic : facts.Said()) offer(diagnostic);
  if (!facts.Outcome().completed) offer(facts.Outcome().failure);
  return fixes;
}

}  // namespace zolt::lsp
