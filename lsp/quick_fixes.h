// The corrections a run's messages spell out, as plain data for editors.
#pragma once

#include <string>
#include <vector>

#include "analysis.h"
#include "text_lines.h"
#include "word_at.h"

namespace zolt::lsp {

// A correction one of the run's messages spells out: bytes `span` of the
// 0-based `line` replaced by `text`, with the title an editor's menu shows.
struct QuickFix {
  const Diagnostic* diagnostic;
  int line;
  WordSpan span;
  std::string text;
  std::string title;
};

// Every correction the run spells out: those of its lines' messages in
// their order, then the one of its failure.
std::vector<QuickFix> QuickFixes(const Analysis& facts, const TextLines& text);

}  // namespace zolt::lsp
