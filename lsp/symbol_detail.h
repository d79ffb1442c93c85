// A symbol in a few words, for the outline and completion.
#pragma once

#include <string>

#include "analysis.h"

namespace zolt::lsp {

// "label at 4", "EQU 2.5", in the current language.
std::string SymbolDetail(const SymbolFact& symbol);

}  // namespace zolt::lsp
