// The characters a Chinese input method types in place of ASCII ones: the
// full-width colon, semicolon, comma, digits, letters, "＆", "＋", "－", "．"
// and the full-width space. The language reads only the ASCII ones; these
// are never taken for them, only named, with the word as it should read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hard_error.h"
#include "message.h"
#include "numbers.h"

namespace zolt {

// What a word holding such a character says about it, and the word written
// with ASCII in their place (a full-width ';' inside a word gets the blank
// that a comment needs before it).
struct FullWidthHint {
  Message message;
  std::string corrected;
};

// The hint for the first such character of a word (as written, UTF-8), or
// nothing when the word holds none.
std::optional<FullWidthHint> ExplainFullWidth(std::string_view word);

// The hint for a word of the source that a failure is about: a note, and,
// when the source is UTF-8, the word in ASCII as the correction offered.
void ExplainFullWidthIn(const Written& written, HardError& error);

}  // namespace zolt
