// Standard input as a stream that can tell whether bytes are waiting, so
// that the language server takes every message already sent before it
// analyses a text.
#pragma once

#include <array>
#include <streambuf>

class StandardInput : public std::streambuf {
 protected:
  int_type underflow() override;
  // 1 when a read would not wait (bytes, or the end of the stream, are
  // there), 0 when it would.
  std::streamsize showmanyc() override;

 private:
  std::array<char, 1 << 16> buffer_{};
};
