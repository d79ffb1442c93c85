// Code actions: the corrections the run's messages spell out, as quick
// fixes, and a number written again in decimal or with &H.
#include <charconv>
#include <cstdio>

#include "catalog.h"
#include "language_features.h"
#include "quick_fixes.h"
#include "quote.h"
#include "text.h"

namespace zolt::lsp {
namespace {

// The largest number written either way that reads the same both ways.
constexpr unsigned kLargestRewritten = 0x7FFF;

// The other way to write a whole number: "&H10" for "16" and back.
std::string Rewritten(std::string_view word) {
  std::string upper;
  UpperCase(word, upper);
  const bool hex = upper.starts_with("&H");
  const std::string_view digits = std::string_view(upper).substr(hex ? 2 : 0);
  unsigned value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      value > kLargestRewritten) {
    return {};
  }
  char text[16];
  std::snprintf(text, sizeof text, hex ? "%u" : "&H%X", value);
  return text;
}

}  // namespace

std::vector<CodeAction> CodeActions(const Document& document, LineSpan lines, Place cursor) {
  std::vector<CodeAction> actions;
  for (const QuickFix& fix : QuickFixes(document.facts, document.text)) {
    if (fix.line < lines.first || fix.line > lines.last) continue;
    actions.push_back(
        {fix.title, ProblemOf(document, *fix.diagnostic), {{fix.line, fix.span}, fix.text}});
  }
  // A number the run read as an operand or a data word.
  const LineFacts* facts = document.facts.Line(cursor.line);
  if (facts != nullptr && facts->operand && facts->operand->value == facts->operand->word) {
    const OperandFact& operand = *facts->operand;
    const WordSpan span{operand.column, operand.column + operand.word.size()};
    const std::string written(
        document.text.Line(cursor.line).substr(span.start, operand.word.size()));
    const std::string other = Rewritten(written);
    if (span.start <= cursor.column && cursor.column <= span.end && !other.empty()) {
      actions.push_back({Render(Message("Write '%s' as '%s'", Shown(written), Shown(other))),
                         std::nullopt,
                         {{cursor.line, span}, other}});
    }
  }
  return actions;
}

}  // namespace zolt::lsp
