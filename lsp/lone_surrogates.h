// Escapes of lone UTF-16 surrogates in a message, which clients write and the
// JSON reader refuses.
#pragma once

#include <string>

namespace zolt::lsp {

// Rewrites in place every \uXXXX escape of a surrogate (D800 to DFFF) that is
// not the high half of a high-low pair or its low half as \uFFFD, the
// replacement character. JSON's grammar allows them and a client writes one
// for a character an edit has cut in two, but no UTF-8 text can hold one. A
// backslash stands only inside strings in JSON, and an escaped backslash is
// passed over whole, so "\\uD800" stays text.
void ReplaceLoneSurrogates(std::string& json);

}  // namespace zolt::lsp
