// Inlay hints: the listing in the editor, each statement's word address and
// code words at the end of its line.
#include "language_features.h"
#include "listing_words.h"

namespace zolt::lsp {

// As the listing's line holds them, "@17 B800 12", for every line with words
// among the lines asked for: the statements, and a BOUT block's header and
// each of its data lines.
std::vector<InlayHint> InlayHints(const Document& document, LineSpan lines) {
  std::vector<InlayHint> hints;
  for (int line = lines.first; line <= lines.last; ++line) {
    const LineFacts* facts = document.facts.Line(line);
    if (facts == nullptr || !facts->words) continue;
    hints.push_back({line, document.text.Line(line).size(), InlayWords(*facts->words)});
  }
  return hints;
}

}  // namespace zolt::lsp
