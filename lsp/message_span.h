// Where an editor shows a message of a run: a line of the text and bytes on it.
#pragma once

#include "diagnostic.h"
#include "text_lines.h"
#include "word_at.h"

namespace zolt::lsp {

struct MessageSpan {
  int line;  // 0-based
  WordSpan bytes;
};

// The word a message is about, or its whole line when it names none; a
// message that belongs to no line is shown on the first.
MessageSpan SpanOf(const TextLines& text, const Location& where);

}  // namespace zolt::lsp
