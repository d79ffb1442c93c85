#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace zolt::lsp {

// One message off the client's stream: a header of "Name: value" lines ended
// by an empty line, of which only Content-Length counts, then that many bytes.
struct Frame {
  enum class Kind : unsigned char {
    Message,    // body holds the message
    BadHeader,  // a header without a usable Content-Length; its body is lost
    End,        // the stream ended (also inside a body)
  };
  Kind kind;
  std::string body;
};

Frame ReadFrame(std::istream& in);
void WriteFrame(std::ostream& out, std::string_view body);

}  // namespace zolt::lsp
