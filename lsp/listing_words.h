// A statement's word address and code words as the listing writes them.
#pragma once

#include <string>

#include "analysis.h"

namespace zolt::lsp {

// The code words: upper-case hexadecimal without leading zeros, a space
// between two ("B800 12").
std::string CodeWords(const WordsFact& words);

// What an editor shows at the end of a line with words: its word address
// and code words, "@17 B800 12".
std::string InlayWords(const WordsFact& words);

}  // namespace zolt::lsp
