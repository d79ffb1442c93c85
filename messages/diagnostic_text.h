// Diagnostics as people read them on a terminal or in a message box, in
// GCC's form and the user's language.
#pragma once

#include <string>
#include <string_view>

#include "diagnostic.h"

namespace zolt {

// The word for a diagnostic's kind alone ("error", "warning"...), in the
// user's language.
const char* KindWord(Severity severity);

// "SOURCE:LINE:COLUMN: error: CAUSE" (or "SOURCE: fatal error: CAUSE" for a
// failure that belongs to no line), then its notes, a line each, every line
// ended by "\n". The source is shown escaped, so a diagnostic is always its
// own lines whatever the path holds.
std::string DiagnosticText(std::string_view source, const Diagnostic& diagnostic);

}  // namespace zolt
