// What every stream the language server writes must be, whatever it read.
#pragma once

#include <string_view>

namespace zolt::fuzz {

// Checks the server's whole output and aborts with a message naming the
// broken rule: it is a sequence of frames, each a Content-Length header of
// the body's exact size and an empty line, then a body that is a JSON-RPC
// 2.0 object, either a response (an id and a result or an error) or a
// notification (a method of its own).
void CheckReplies(std::string_view out);

}  // namespace zolt::fuzz
