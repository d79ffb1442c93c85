// An editor's changes to a buffer, applied to the text the server holds.
#pragma once

#include <string>

#include "protocol.h"
#include "text_lines.h"

namespace zolt::lsp {

// The text after a didChange's contentChanges, taken in order: each replaces
// a range of the text the one before it left, or, without a range, the whole
// text. A position past a line's end stands for its end, one past the last
// line for the text's end.
std::string Changed(const TextLines& text, const Json& changes, PositionEncoding encoding);

}  // namespace zolt::lsp
