// The framing of the protocol's messages on a byte stream, and the largest
// body taken.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zolt::lsp {

// The longest body taken. Reading a body as JSON takes up to some 25 times
// its size in memory, and no editor's text of a source comes near it.
constexpr std::size_t kLargestBody = std::size_t{64} << 20;

// One message off the client's stream: a header of "Name: value" lines ended
// by an empty line, of which only Content-Length counts, then that many bytes.
struct Frame {
  enum class Kind : unsigned char {
    Message,    // body holds the message
    BadHeader,  // a header without a usable Content-Length; its body is lost
    TooLarge,   // a body longer than kLargestBody, left unread: the stream is lost
    NoMemory,   // a body there was no memory to hold, passed over
    End,        // the stream ended (also inside a body)
  };
  Kind kind;
  std::string body;
};

// Bodies passed over are read to their end, so the next message is read
// from its start: the stream stays in step whatever a message holds, but
// for a body too large to take, which is not waited for.
Frame ReadFrame(std::istream& in);
void WriteFrame(std::ostream& out, std::string_view body);

}  // namespace zolt::lsp
