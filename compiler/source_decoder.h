// Reading a source saved in a legacy code page (GBK on a Chinese Windows),
// for what messages quote of it; the outputs keep the bytes as read.
#pragma once

#include <string>
#include <string_view>

namespace zolt {

// Decodes bytes of a source that is not UTF-8. A front end that knows the
// source's code page hands one to the compile context; without one, such
// bytes are quoted escaped.
class SourceDecoder {
 public:
  virtual ~SourceDecoder() = default;
  // The bytes in UTF-8; a byte that does not decode is kept as it is, so
  // that a message shows it escaped.
  virtual std::string ToUtf8(std::string_view bytes) const = 0;
};

}  // namespace zolt
