// The corrections a run's messages spell out, each with its title.
#include "quick_fixes.h"

#include "catalog.h"
#include "quote.h"

namespace zolt::lsp {

std::vector<QuickFix> QuickFixes(const Analysis& facts, const TextLines& text) {
  std::vector<QuickFix> fixes;
  const auto offer = [&](const Diagnostic& diagnostic, const Fix* fix) {
    if (fix == nullptr) return;
    const int line = diagnostic.where.line - 1;
    const std::string_view old = text.Line(line).substr(fix->start, fix->length);
    fixes.push_back({&diagnostic,
                     line,
                     {fix->start, fix->start + fix->length},
                     fix->text,
                     Render(Message("Replace %s with %s", Quote(old), Quote(fix->text)))});
  };
  const std::vector<Diagnostic>& said = facts.Said();
  for (std::size_t index = 0; index < said.size(); ++index) offer(said[index], facts.FixOf(index));
  if (!facts.Outcome().completed) offer(facts.Outcome().failure, facts.FailureFix());
  return fixes;
}

}  // namespace zolt::lsp
