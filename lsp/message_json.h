// A message's body read as JSON: nesting bounded, taken apart without memory.
#pragma once

#include <string>

#include "protocol.h"

namespace zolt::lsp {

// The most levels of arrays and objects a message may nest: far more than
// the protocol's messages need, and few enough that any value kept can be
// copied, compared or taken apart level by level.
constexpr int kDeepest = 512;

// The JSON of one message. Reading it never recurses per level of nesting.
// An array or object deeper than kDeepest levels is not kept: it stands as
// null where it was, what it holds is only counted through, and the message
// reads as too deep, yet its id, method and document are there to answer it.
class MessageJson {
 public:
  enum class Form : unsigned char { Json, NotJson, TooDeep };

  // Lone surrogate escapes are read as U+FFFD. Running out of memory throws
  // std::bad_alloc, with all the reading took given back.
  explicit MessageJson(std::string body);
  MessageJson(const MessageJson&) = delete;
  MessageJson& operator=(const MessageJson&) = delete;
  ~MessageJson();

  Form Kind() const { return form_; }
  // Null when the body is not JSON.
  const Json& Value() const { return value_; }

 private:
  Json value_;
  Form form_ = Form::NotJson;
};

}  // namespace zolt::lsp
