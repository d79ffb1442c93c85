// libFuzzer target: the language server on arbitrary bytes from a client, read
// as one stream through its framing and session, as zoltasm --lsp reads them.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "reply_checks.h"
#include "session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  zolt::lsp::Serve(in, out);
  zolt::fuzz::CheckReplies(out.str());
  return 0;
}
